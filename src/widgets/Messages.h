// Every message box of the program goes through ShowMessage, so tests can answer and record them.
#pragma once

#include <functional>
#include <string>

#include "base/OpResult.h"

namespace gw {

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { Auto, None, Information, Warning, Error, Question };
enum class MsgResult { Ok, Yes, No, Cancel };

struct MessageRecord {
  std::string text;     // Windows-1252
  std::string caption;  // Windows-1252
  MsgButtons buttons;
  MsgIcon icon;
};

// Shows a modal message box. MsgIcon::Auto picks the icon from the caption and buttons.
MsgResult ShowMessage(const std::string& text, const std::string& caption,
                      MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::Auto);

// Replaces the real message boxes (tests); an empty function restores them.
using MessageResponder = std::function<MsgResult(const MessageRecord&)>;
void SetMessageResponder(MessageResponder responder);

// The general report of a read or write failure after a file was opened.
void ShowIoError(const std::string& detail);

// Runs a file operation and shows what it came to: the message it carries, if any, or the
// general input/output message when it throws IoError. True when it succeeded.
bool RunAndReport(const std::function<OpResult()>& operation);

}  // namespace gw
