// The print options window's rules: which controls a word form enables, how its one-digit edits
// read, which objects get a font menu item, and the layout's say when the window opens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Settings.h"
#include "storage/PageLayout.h"

namespace gw {

// The controls that depend on the word form ("Word Option" 1..4).
struct WordFormControls {
  bool clueUnderscore = false;     // "Use Underscores" beside Clues
  bool partialUnderscore = false;  // "Use Underscores" beside Partial Words
  bool letterCounts = false;       // "Show First" and "Show Last" edits
};
WordFormControls EnabledForWordForm(long wordOption);

// A one-digit edit read on every change: the trimmed text as a whole number, or 1 when it is not
// one (empty text included), in which case the edit is cleared.
struct OptionEditValue {
  long value = 1;
  bool clearEdit = false;
};
OptionEditValue ReadOptionEdit(const std::string& text);

// "Change Fonts" offers one item per title, puzzle, words/clues, bonus and text object, in
// stacking order, captioned with the object's name and " Font".
constexpr int kFontMenuItems = 21;
struct FontMenuItem {
  int object;           // 0-based slot in the layout
  std::string caption;  // Windows-1252
};
std::vector<FontMenuItem> FontMenuItems(const PageLayout& layout);

// The first font of a layout object as the font dialog shows it and gives it back.
struct ObjectFontValues {
  std::string name;    // Windows-1252
  int size = 10;       // points
  uint32_t color = 0;  // 0x00BBGGRR
  bool bold = false, italic = false, underline = false, strikeOut = false;
};
ObjectFontValues FontValuesOf(const LayoutObject& object);
// Stores a chosen font; the name is cut to its 30 characters and the size kept to 1..1000.
void SetFontValues(LayoutObject& object, const ObjectFontValues& font);

// What the window does to the print options when it opens on a layout (or after another layout
// was picked): the column count starts at 3, then the layout's puzzle object sets lower case and
// grid lines and its words object the column count, whatever was saved.
void OpenOptionsOnLayout(const PageLayout& layout, SettingsValues& settings);

}  // namespace gw
