// The translated languages the tests cover, and checks of a window's texts in them.
#pragma once

#include <QTranslator>
#include <string>
#include <vector>

class QWidget;

namespace gw::test {

// The languages whose catalogues are translated: the catalogue test checks them and every window
// is opened in them. A language joins with one line here once its .ts file is finished.
const std::vector<std::string>& TranslatedLanguages();

// "en" and the translated languages: every language the windows can be seen in.
std::vector<std::string> ShownLanguages();

// Translates every text to itself between ⟦ and ⟧, so that a text shown without the marks was
// never passed through the catalogue.
class MarkingTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
};
bool Marked(const QString& text);

// One line per text of the shown window that a user reads but that did not come from the
// catalogue: window titles, buttons, labels, group titles, tab and header texts, tool tips,
// accessible names and menu items. Texts that hold the user's data or no words are left out.
std::vector<std::string> UntranslatedTexts(QWidget* window);

// One line per accelerator letter used twice among the visible controls and menu bar titles of the
// window (labels count through their buddies) or among the items of one menu.
std::vector<std::string> AcceleratorClashes(QWidget* window);

}  // namespace gw::test
