// Walking a window with the keyboard and reading its controls' names.
#include "support/Reach.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <set>

namespace gw::test {

namespace {

std::string Name(const QWidget* w) {
  const QString name = w->objectName();
  return (name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name).toStdString();
}

// The control the user sees taking the focus: an editor inside a list of cells counts as the list,
// a box inside a combo box as the combo box.
QWidget* Control(QWidget* w) {
  for (QWidget* p = w; p; p = p->parentWidget()) {
    if (qobject_cast<QAbstractItemView*>(p) || qobject_cast<QComboBox*>(p)) return p;
    if (p->isWindow()) break;
  }
  return w;
}

bool KeepsTab(QWidget* w) {
  auto* view = qobject_cast<QAbstractItemView*>(Control(w));
  return view && view->tabKeyNavigation();
}

bool TakesTab(const QWidget* w, const QWidget* window) {
  return w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
         !w->focusProxy() && w->window() == window && !w->objectName().startsWith("qt_");
}

// Scroll bars and headers are parts of their views, which a screen reader names.
bool Interactive(const QWidget* w) {
  if (qobject_cast<const QScrollBar*>(w) || qobject_cast<const QHeaderView*>(w)) return false;
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QTextEdit*>(w);
}

}  // namespace

// Tab stops at the checked button of a group of radio buttons; the arrows choose among them.
QWidget* Stop(QWidget* w) {
  auto* radio = qobject_cast<QRadioButton*>(w);
  if (!radio || !radio->autoExclusive()) return w;
  return radio->parentWidget();
}

std::vector<std::string> UnreachedControls(QWidget* window) {
  // A window that closed itself once its work was done has nothing left to reach.
  if (!window->isVisible()) return {};
  window->activateWindow();
  QApplication::setActiveWindow(window);
  std::set<QWidget*> reached;
  QWidget* start = QApplication::focusWidget();
  if (!start) {
    QTest::keyClick(window, Qt::Key_Tab);
    start = QApplication::focusWidget();
  }
  std::vector<std::string> out;
  if (!start) return {Name(window) + ": no control takes the focus"};
  std::set<QWidget*> candidates;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (TakesTab(w, window)) candidates.insert(Control(w));
  std::set<QWidget*> stops;
  // Twice round the window at most: a walk that never comes back has met a trap.
  for (size_t step = 0; step < 2 * candidates.size() + 60; ++step) {
    QWidget* now = QApplication::focusWidget();
    if (!now) break;
    reached.insert(Control(now));
    stops.insert(Stop(now));
    QTest::keyClick(now, Qt::Key_Tab, KeepsTab(now) ? Qt::ControlModifier : Qt::NoModifier);
  }
  for (QWidget* w : candidates)
    if (!reached.count(w) && !stops.count(Stop(w)))
      out.push_back(Name(w) + " is never reached by Tab");
  return out;
}

std::vector<std::string> UnnamedControls(QWidget* window) {
  std::vector<std::string> out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (w->objectName().startsWith("qt_") || Control(w) != w) continue;
    if (!Interactive(w) && !TakesTab(w, window)) continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
      out.push_back(Name(w) + " has no name");
  }
  return out;
}

}  // namespace gw::test
