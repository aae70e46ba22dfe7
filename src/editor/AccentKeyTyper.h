// Types the character of an international character key into the control that has the focus.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

namespace gw {

// A key pressed while Alt or Ctrl is still held waits until both are released, so the character
// never arrives as part of a shortcut; keys pressed meanwhile follow in order.
class AccentKeyTyper : public QObject {
  Q_OBJECT

 public:
  explicit AccentKeyTyper(QObject* parent = nullptr);

  // Types the character of a key setting ("0225" types a with acute); settings holding anything
  // but digits, or a code outside 1..255, type nothing.
  void Type(const std::string& setting);
  bool Waiting() const { return !pending_.isEmpty(); }

  // Which modifier keys are held; tests replace the keyboard.
  using HeldKeys = std::function<Qt::KeyboardModifiers()>;
  void SetHeldKeys(HeldKeys heldKeys) { heldKeys_ = std::move(heldKeys); }
  // Types what waits once Alt and Ctrl are up.
  void Poll();

 private:
  void Deliver(const QString& text);

  HeldKeys heldKeys_;
  QString pending_;
  QTimer poll_;
};

}  // namespace gw
