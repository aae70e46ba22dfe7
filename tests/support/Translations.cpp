// Checking the texts of a window in the translated languages.
#include "support/Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <map>
#include <set>

namespace gw::test {

namespace {

constexpr QChar kOpen(0x27E6), kClose(0x27E7);

// Controls whose texts are the user's data, a product name or key names, never translated.
const std::set<QString>& DataControls() {
  static const std::set<QString> names = {
      QStringLiteral("ProductName"), QStringLiteral("TheWord"), QStringLiteral("WordLabel"),
      QStringLiteral("HelpPage"),    QStringLiteral("TipText"),
  };
  return names;
}

bool HasWords(const QString& text) {
  int letters = 0;
  for (QChar c : text)
    if (c.isLetter()) ++letters;
  return letters > 1;
}

std::string Name(const QObject* o) {
  const QString name = o->objectName();
  return (name.isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : name).toStdString();
}

void Check(const QObject* owner, const char* what, const QString& text,
           std::vector<std::string>& out) {
  if (!HasWords(text) || Marked(text)) return;
  // A path, and the program's name, are the same in every language.
  if (text.startsWith(QLatin1Char('/')) || text == QLatin1String("Gridwright 98")) return;
  out.push_back(Name(owner) + " " + what + ": \"" + text.toStdString() + "\"");
}

// The accelerator of a text: the letter after a single '&', lower case; none for "&&".
QChar Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

void CountAccelerator(std::map<QChar, std::vector<QString>>& seen, const QString& text) {
  const QChar key = Accelerator(text);
  if (!key.isNull()) seen[key].push_back(text);
}

void ReportClashes(const std::string& where, const std::map<QChar, std::vector<QString>>& seen,
                   std::vector<std::string>& out) {
  for (const auto& [key, texts] : seen) {
    if (texts.size() < 2) continue;
    std::string line = where + ": '" + QString(key).toStdString() + "' in";
    for (const QString& t : texts) line += " \"" + t.toStdString() + "\"";
    out.push_back(line);
  }
}

void MenuClashes(const QMenu* menu, std::vector<std::string>& out) {
  std::map<QChar, std::vector<QString>> seen;
  for (const QAction* a : menu->actions())
    if (a->isVisible() && !a->isSeparator()) CountAccelerator(seen, a->text());
  ReportClashes("menu " + Name(menu) + " \"" + menu->title().toStdString() + "\"", seen, out);
}

}  // namespace

const std::vector<std::string>& TranslatedLanguages() {
  static const std::vector<std::string> languages = {"de", "fr", "sv"};
  return languages;
}

std::vector<std::string> ShownLanguages() {
  std::vector<std::string> all = {"en"};
  all.insert(all.end(), TranslatedLanguages().begin(), TranslatedLanguages().end());
  return all;
}

QString MarkingTranslator::translate(const char*, const char* sourceText, const char*, int) const {
  if (!sourceText || !*sourceText) return {};
  return kOpen + QString::fromUtf8(sourceText) + kClose;
}

bool Marked(const QString& text) {
  return text.contains(kOpen) && text.contains(kClose);
}

std::vector<std::string> UntranslatedTexts(QWidget* window) {
  std::vector<std::string> out;
  Check(window, "title", window->windowTitle(), out);
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || DataControls().count(w->objectName())) continue;
    if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
    Check(w, "tool tip", w->toolTip(), out);
    Check(w, "accessible name", w->accessibleName(), out);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) Check(w, "text", b->text(), out);
    if (auto* l = qobject_cast<QLabel*>(w)) Check(w, "text", l->text(), out);
    if (auto* g = qobject_cast<QGroupBox*>(w)) Check(w, "title", g->title(), out);
    if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) Check(w, "tab", t->tabText(i), out);
    if (auto* t = qobject_cast<QTableWidget*>(w))
      for (int c = 0; c < t->columnCount(); ++c)
        if (QTableWidgetItem* h = t->horizontalHeaderItem(c)) Check(w, "header", h->text(), out);
  }
  // Menus are windows of their own: every menu the window owns, shown or not.
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    Check(menu, "title", menu->title(), out);
    for (QAction* a : menu->actions()) {
      // Languages in their own names, and the layout's objects by the names the user gave them.
      const QString name = a->objectName();
      if (name.startsWith(QLatin1String("Language_")) || name.startsWith(QLatin1String("Obj")))
        continue;
      if (!a->isSeparator() && !a->menu()) Check(a, "item", a->text(), out);
    }
  }
  return out;
}

std::vector<std::string> AcceleratorClashes(QWidget* window) {
  std::vector<std::string> out;
  std::map<QChar, std::vector<QString>> seen;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) CountAccelerator(seen, b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) CountAccelerator(seen, g->title());
    if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) CountAccelerator(seen, l->text());
  }
  // Alt and a letter opens a menu of the bar or presses a control: the two share the letters.
  for (QMenuBar* bar : window->findChildren<QMenuBar*>())
    for (const QAction* a : bar->actions())
      if (a->isVisible()) CountAccelerator(seen, a->text());
  ReportClashes("window " + Name(window), seen, out);
  for (QMenu* menu : window->findChildren<QMenu*>()) MenuClashes(menu, out);
  return out;
}

}  // namespace gw::test
