// International character keys: the character goes to the focused control as typed text.
#include "editor/AccentKeyTyper.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "base/TextCodec.h"
#include "editor/AccentKeys.h"

namespace gw {

AccentKeyTyper::AccentKeyTyper(QObject* parent)
    : QObject(parent), heldKeys_([] { return QGuiApplication::queryKeyboardModifiers(); }) {
  poll_.setInterval(20);
  connect(&poll_, &QTimer::timeout, this, &AccentKeyTyper::Poll);
}

void AccentKeyTyper::Type(const std::string& setting) {
  const std::optional<unsigned char> code = AccentKeyCharacter(setting);
  if (!code) return;
  pending_ += ToQString(std::string(1, static_cast<char>(*code)));
  Poll();
}

void AccentKeyTyper::Poll() {
  if (pending_.isEmpty()) {
    poll_.stop();
    return;
  }
  if (heldKeys_() & (Qt::AltModifier | Qt::ControlModifier)) {
    poll_.start();
    return;
  }
  poll_.stop();
  const QString text = pending_;
  pending_.clear();
  for (const QChar ch : text) Deliver(ch);
}

void AccentKeyTyper::Deliver(const QString& text) {
  // The focused control takes the character as if it had been typed: an edit box inserts it at
  // the caret within its length limit, the grid opens its cell editor, a button ignores it.
  QWidget* target = QApplication::focusWidget();
  if (!target) return;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
  QCoreApplication::sendEvent(target, &release);
}

}  // namespace gw
