// Measuring the texts of a window against their controls.
#include "support/Legibility.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

namespace gw::test {

namespace {

std::string Name(const QWidget* w) {
  const QString name = w->objectName();
  return (name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name).toStdString();
}

// The text as drawn: without the mnemonic marks ("&&" stays one '&').
QString Shown(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

std::string Problem(const QWidget* w, const QString& text, int need, int have,
                    const char* what = "px") {
  return Name(w) + ": \"" + text.toStdString() + "\" needs " + std::to_string(need) + " " + what +
         ", has " + std::to_string(have);
}

// Scroll areas move their contents; what lies inside them is measured by the area itself.
bool InsideScrolledContent(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QAbstractScrollArea*>(p)) return true;
  return false;
}

void CheckLabel(const QLabel* label, std::vector<std::string>& out) {
  const QString text = label->text();
  if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text)) return;
  const QRect r = label->contentsRect();
  const QFontMetrics fm(label->font());
  const QString shown = Shown(text);
  if (label->wordWrap()) {
    const int need =
        fm.boundingRect(QRect(0, 0, r.width(), 100000), Qt::TextWordWrap, shown).height();
    if (need > r.height()) out.push_back(Problem(label, shown, need, r.height(), "px of height"));
    return;
  }
  for (const QString& line : shown.split(QLatin1Char('\n'))) {
    const int need = fm.horizontalAdvance(line);
    if (need > r.width()) out.push_back(Problem(label, line, need, r.width()));
  }
  const int lines = static_cast<int>(shown.count(QLatin1Char('\n'))) + 1;
  const int needHeight = fm.height() * lines - (lines > 1 ? 0 : fm.descent() / 2);
  if (needHeight > r.height())
    out.push_back(Problem(label, shown, needHeight, r.height(), "px of height"));
}

void CheckButton(const QAbstractButton* b, std::vector<std::string>& out) {
  const QString shown = Shown(b->text());
  if (shown.isEmpty()) return;
  const QFontMetrics fm(b->font());
  const QStyle* style = b->style();
  int need = fm.horizontalAdvance(shown);
  if (qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b)) {
    const bool check = qobject_cast<const QCheckBox*>(b) != nullptr;
    need +=
        style->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                           nullptr, b) +
        style->pixelMetric(
            check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr,
            b);
  } else {
    // The button's frame and a little air on each side.
    need += 8;
    if (!b->icon().isNull()) need += b->iconSize().width() + 4;
  }
  if (need > b->width()) out.push_back(Problem(b, shown, need, b->width()));
  if (fm.height() > b->height())
    out.push_back(Problem(b, shown, fm.height(), b->height(), "px of height"));
}

void CheckGroupBox(const QGroupBox* g, std::vector<std::string>& out) {
  const QString shown = Shown(g->title());
  if (shown.isEmpty()) return;
  const int need = QFontMetrics(g->font()).horizontalAdvance(shown) + 16;
  if (need > g->width()) out.push_back(Problem(g, shown, need, g->width()));
}

void CheckList(const QListWidget* list, std::vector<std::string>& out) {
  if (list->horizontalScrollBar()->maximum() > 0) {
    QString widest;
    const QFontMetrics fm(list->font());
    for (int i = 0; i < list->count(); ++i)
      if (fm.horizontalAdvance(list->item(i)->text()) > fm.horizontalAdvance(widest))
        widest = list->item(i)->text();
    out.push_back(Name(list) + ": \"" + widest.toStdString() +
                  "\" is wider than the list (a horizontal scroll bar hides item ends)");
  }
  // An item split over lines reads badly in a list of names, unless the list is made for long
  // lines and lays them out itself.
  if (!list->wordWrap() || list->property("gwWrapsLongLines").toBool()) return;
  const int line = QFontMetrics(list->font()).lineSpacing();
  for (int i = 0; i < list->count(); ++i)
    if (list->visualItemRect(list->item(i)).height() >= 2 * line)
      out.push_back(Name(list) + ": \"" + list->item(i)->text().toStdString() +
                    "\" wraps over two lines");
}

void CheckCombo(const QComboBox* combo, std::vector<std::string>& out) {
  const QString text = combo->currentText();
  if (text.isEmpty()) return;
  QStyleOptionComboBox opt;
  opt.initFrom(combo);
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                     QStyle::SC_ComboBoxEditField, combo);
  const int need = QFontMetrics(combo->font()).horizontalAdvance(text);
  if (need > field.width()) out.push_back(Problem(combo, text, need, field.width()));
}

}  // namespace

std::vector<std::string> LegibilityProblems(QWidget* window) {
  std::vector<std::string> out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->isWindow() || InsideScrolledContent(w, window)) continue;
    if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
    const QWidget* parent = w->parentWidget();
    if (parent && !parent->rect().adjusted(-1, -1, 1, 1).contains(w->geometry()))
      out.push_back(Name(w) + ": lies outside " + Name(parent) + " (" +
                    std::to_string(w->geometry().right()) + "," +
                    std::to_string(w->geometry().bottom()) + " in " +
                    std::to_string(parent->width()) + "x" + std::to_string(parent->height()) + ")");
    if (auto* label = qobject_cast<QLabel*>(w))
      CheckLabel(label, out);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      CheckButton(button, out);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
      CheckGroupBox(group, out);
    else if (auto* list = qobject_cast<QListWidget*>(w))
      CheckList(list, out);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
      CheckCombo(combo, out);
  }
  return out;
}

}  // namespace gw::test
