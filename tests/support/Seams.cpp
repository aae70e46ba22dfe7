// Scripted seams for window tests.
#include "support/Seams.h"

#include <gtest/gtest.h>

namespace gw::test {

ScriptedSeams::ScriptedSeams() {
  SetMessageResponder([this](const MessageRecord& m) {
    messages_.push_back(m);
    if (m.buttons == MsgButtons::Ok) return MsgResult::Ok;
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected question: " << m.text;
      return m.buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
    }
    const MsgResult r = answers_.front();
    answers_.pop_front();
    return r;
  });
  SetFileDialogResponder([this](const FileDialogRequest& request) -> std::optional<std::string> {
    fileDialogs_.push_back(request);
    if (files_.empty()) {
      ADD_FAILURE() << "unexpected file dialog: " << request.title;
      return std::nullopt;
    }
    auto r = files_.front();
    files_.pop_front();
    return r;
  });
  SetFontResponder([this](const FontChoice& initial) -> std::optional<FontChoice> {
    fontRequests_.push_back(initial);
    if (fonts_.empty()) {
      ADD_FAILURE() << "unexpected font dialog";
      return std::nullopt;
    }
    auto r = fonts_.front();
    fonts_.pop_front();
    return r;
  });
  SetColorResponder([this](const QColor&) -> std::optional<QColor> {
    if (colors_.empty()) {
      ADD_FAILURE() << "unexpected colour dialog";
      return std::nullopt;
    }
    auto r = colors_.front();
    colors_.pop_front();
    return r;
  });
  SetPrinterResponder([this](QPrinter& printer) {
    if (printers_.empty()) {
      ADD_FAILURE() << "unexpected printer setup dialog";
      return false;
    }
    auto answer = printers_.front();
    printers_.pop_front();
    return answer(printer);
  });
}

ScriptedSeams::~ScriptedSeams() {
  SetMessageResponder({});
  SetFileDialogResponder({});
  SetFontResponder({});
  SetColorResponder({});
  SetPrinterResponder({});
}

std::vector<std::string> ScriptedSeams::Texts() const {
  std::vector<std::string> texts;
  for (const MessageRecord& m : messages_) texts.push_back(m.text);
  return texts;
}

std::string ScriptedSeams::Single() const {
  EXPECT_EQ(messages_.size(), 1u) << "messages shown: " << messages_.size();
  return messages_.empty() ? std::string() : messages_.back().text;
}

}  // namespace gw::test
