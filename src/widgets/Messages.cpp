// Message boxes through one seam.
#include "widgets/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "base/ComposedMessage.h"
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
// Every caption a message box is given, so lupdate offers them for translation.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("gw::Messages", "Error"),
    QT_TRANSLATE_NOOP("gw::Messages", "Disk Error"),
    QT_TRANSLATE_NOOP("gw::Messages", "Warning"),
    QT_TRANSLATE_NOOP("gw::Messages", "Notice"),
    QT_TRANSLATE_NOOP("gw::Messages", "Delete"),
    QT_TRANSLATE_NOOP("gw::Messages", "Delete?"),
    QT_TRANSLATE_NOOP("gw::Messages", "OK"),
    QT_TRANSLATE_NOOP("gw::Messages", "Ok"),
    QT_TRANSLATE_NOOP("gw::Messages", "Spelling Status"),
    QT_TRANSLATE_NOOP("gw::Messages", "Spelling Ok"),
};

QString Translated(const std::string& english) {
  if (english.empty()) return {};
  const QByteArray utf8 = ToQString(english).toUtf8();
  if (std::optional<MessageParts> composed = DecomposeMessage(english)) {
    // One pass over the translated pattern, so a part that holds "%2" stays as it is.
    const QString pattern = QCoreApplication::translate("gw::Messages", composed->pattern);
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
      const qsizetype index = i + 1 < pattern.size() && pattern[i] == QLatin1Char('%')
                                  ? pattern[i + 1].digitValue() - 1
                                  : -1;
      if (index >= 0 && index < static_cast<qsizetype>(composed->parts.size())) {
        // A part may be a message of its own ("Up and Left") or a fixed word ("Up").
        text += Translated(composed->parts[static_cast<size_t>(index)]);
        ++i;
      } else {
        text += pattern[i];
      }
    }
    return text;
  }
  return QCoreApplication::translate("gw::Messages", utf8.constData());
}
}  // namespace

QString TranslatedMessage(const std::string& text) {
  return Translated(text);
}

void SetMessageResponder(MessageResponder responder) {
  Responder() = std::move(responder);
}

MsgResult ShowMessage(const std::string& text, const std::string& caption, MsgButtons buttons,
                      MsgIcon icon) {
  return ShowMessage(Translated(text), caption, buttons, icon);
}

MsgResult ShowMessage(const QString& text, const std::string& caption, MsgButtons buttons,
                      MsgIcon icon) {
  const MessageRecord record{FromQString(text), caption, buttons, icon};
  if (Responder()) return Responder()(record);

  QMessageBox box(IconFor(record), Translated(caption), text, QMessageBox::NoButton,
                  QApplication::activeWindow());
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MsgButtons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
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
  ShowMessage(
      QCoreApplication::translate("gw::Messages", "Input/output error: %1.").arg(ToQString(detail)),
      "Error");
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
