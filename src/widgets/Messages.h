// Every message box of the program goes through ShowMessage, so tests can answer and record them.
#pragma once

#include <functional>
#include <string>

#include "base/OpResult.h"

class QString;

namespace gw {

// YesNoDefaultNo is for a question whose Yes throws something away: Enter answers No.
enum class MsgButtons { Ok, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MsgIcon { Auto, None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Yes, No, Cancel };

struct MessageRecord {
  std::string text;     // Windows-1252, as shown (in the windows' language)
  std::string caption;  // Windows-1252, as given (English; shown translated)
  MsgButtons buttons;
  MsgIcon icon;
};

// Shows a modal message box. MsgIcon::Auto picks the icon from the caption and buttons. The
// caption is given in English and shown in the windows' language. A text given as std::string
// comes from the model and is shown translated when the catalogue knows it (context
// "gw::Messages"); a QString text is shown as it is, already translated by the window.
MsgResult ShowMessage(const std::string& text, const std::string& caption,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::Auto);
MsgResult ShowMessage(const QString& text, const std::string& caption,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::Auto);
inline MsgResult ShowMessage(const char* text, const std::string& caption,
                             MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::Auto) {
  return ShowMessage(std::string(text), caption, buttons, icon);
}

// A model's message (English, Windows-1252) in the windows' language, when it is known.
QString TranslatedMessage(const std::string& text);

// Replaces the real message boxes (tests); an empty function restores them.
using MessageResponder = std::function<MsgResult(const MessageRecord&)>;
void SetMessageResponder(MessageResponder responder);

// The general report of a read or write failure after a file was opened.
void ShowIoError(const std::string& detail);

// Runs a file operation and shows what it came to: the message it carries, if any, or the
// general input/output message when it throws IoError. True when it succeeded.
bool RunAndReport(const std::function<OpResult()>& operation);

}  // namespace gw
