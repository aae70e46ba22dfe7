// The print options window's rules.
#include "printing/PrintOptionsRules.h"

#include <algorithm>
#include <cctype>

#include "base/ComposedMessage.h"
#include "base/TextUtils.h"
#include "page/PageSetup.h"

namespace gw {

WordFormControls EnabledForWordForm(long wordOption) {
  WordFormControls c;
  c.clueUnderscore = wordOption == kClues;
  c.partialUnderscore = c.letterCounts = wordOption == kPartialWords;
  return c;
}

OptionEditValue ReadOptionEdit(const std::string& text) {
  const std::string t = Trim(text);
  size_t digits = t.empty() || (t[0] != '+' && t[0] != '-') ? 0 : 1;
  const bool whole = t.size() > digits && t.size() - digits <= 9 &&
                     std::all_of(t.begin() + static_cast<long>(digits), t.end(), [](char c) {
                       return std::isdigit(static_cast<unsigned char>(c)) != 0;
                     });
  if (!whole) return {1, true};
  return {std::stol(t), false};
}

std::vector<FontMenuItem> FontMenuItems(const PageLayout& layout) {
  std::vector<FontMenuItem> items;
  for (int i = 0; i < UsedObjectCount(layout) && static_cast<int>(items.size()) < kFontMenuItems;
       ++i) {
    const int kind = layout.objects[i].kind;
    if (kind == kKindTitle || kind == kKindPuzzle || kind == kKindWords || kind == kKindBonus ||
        kind == kKindText)
      items.push_back({i, ComposeMessage(QT_TRANSLATE_NOOP("gw::Messages", "%1 Font"),
                                         {layout.objects[i].objectName.Get()})});
  }
  return items;
}

ObjectFontValues FontValuesOf(const LayoutObject& object) {
  ObjectFontValues f;
  f.name = object.fontName.Get();
  f.size = object.fontSize;
  f.color = object.fontColor;
  f.bold = object.fontBold != 0;
  f.italic = object.fontItalic != 0;
  f.underline = object.fontUnderline != 0;
  f.strikeOut = object.fontStrikeOut != 0;
  return f;
}

void SetFontValues(LayoutObject& object, const ObjectFontValues& font) {
  object.fontName.Set(font.name);  // cut to the field's 30 characters
  object.fontSize = static_cast<int16_t>(std::clamp(font.size, 1, 1000));
  object.fontColor = font.color;
  object.fontBold = font.bold ? 1 : 0;
  object.fontItalic = font.italic ? 1 : 0;
  object.fontUnderline = font.underline ? 1 : 0;
  object.fontStrikeOut = font.strikeOut ? 1 : 0;
}

void OpenOptionsOnLayout(const PageLayout& layout, SettingsValues& settings) {
  PrintOptions o = PrintOptionsFrom(settings);
  o.numColumns = 3;
  ApplyLayoutDefaults(layout, o);
  settings.lowerCase = o.lowerCase;
  settings.useGrid = o.useGrid;
  settings.numColumns = o.numColumns;
}

}  // namespace gw
