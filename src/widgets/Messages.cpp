// Message boxes through one seam.
#include "widgets/Messages.h"

#include <QApplication>
#include <QMessageBox>

#include "base/IoError.h"
#include "base/TextCodec.h"

namespace gw {

namespace {
MessageResponder& Responder() {
  static MessageResponder responder;
  return responder;
}

QMessageBox::Icon IconFor(const MessageRecord& m) {
  switch (m.icon) {
    case MsgIcon::None:
      return QMessageBox::NoIcon;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Auto:
      break;
  }
  if (m.caption == "Error" || m.caption == "Disk Error") return QMessageBox::Critical;
  if (m.caption == "Warning") return QMessageBox::Warning;
  if (m.buttons != MsgButtons::Ok) return QMessageBox::Question;
  return m.caption.empty() ? QMessageBox::NoIcon : QMessageBox::Information;
}
}  // namespace

void SetMessageResponder(MessageResponder responder) {
  Responder() = std::move(responder);
}

MsgResult ShowMessage(const std::string& text, const std::string& caption, MsgButtons buttons,
                      MsgIcon icon) {
  const MessageRecord record{text, caption, buttons, icon};
  if (Responder()) return Responder()(record);

  QMessageBox box(IconFor(record), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    case QMessageBox::Cancel:
      return MsgResult::Cancel;
    default:
      return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
  }
}

void ShowIoError(const std::string& detail) {
  ShowMessage("Input/output error: " + detail + ".", "Error");
}

bool RunAndReport(const std::function<OpResult()>& operation) {
  try {
    const OpResult result = operation();
    if (result.HasMessage()) ShowMessage(result.message, result.caption);
    return result.ok;
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return false;
  }
}

}  // namespace gw
