// Scripted answers for message boxes, file dialogs and choosers, recorded for assertions.
#pragma once

#include <QColor>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "widgets/Choosers.h"
#include "widgets/FileDialogs.h"
#include "widgets/Messages.h"

namespace gw::test {

// Installs itself on construction and restores the real dialogs when destroyed.
// Message boxes with only an OK button are answered Ok; questions take the next scripted answer
// (a question without one fails the test and is answered No / Cancel).
class ScriptedSeams {
 public:
  ScriptedSeams();
  ~ScriptedSeams();

  void Answer(MsgResult result) { answers_.push_back(result); }
  void ChooseFile(std::optional<std::string> name) { files_.push_back(std::move(name)); }
  void ChooseFont(std::optional<FontChoice> font) { fonts_.push_back(std::move(font)); }
  void ChooseColor(std::optional<QColor> color) { colors_.push_back(color); }
  // The printer setup dialog's answer: changes the printer as the user would, true for OK.
  void ChoosePrinter(std::function<bool(QPrinter&)> answer) { printers_.push_back(answer); }

  const std::vector<MessageRecord>& Messages() const { return messages_; }
  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  // The fonts the font dialog was opened with, in order.
  const std::vector<FontChoice>& FontRequests() const { return fontRequests_; }
  // Texts of every message shown, in order.
  std::vector<std::string> Texts() const;
  // The only message shown since the last Clear(); fails the test when there is not exactly one.
  std::string Single() const;
  void Clear() { messages_.clear(); }
  size_t UnusedAnswers() const { return answers_.size(); }

 private:
  std::deque<MsgResult> answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<FontChoice>> fonts_;
  std::deque<std::optional<QColor>> colors_;
  std::deque<std::function<bool(QPrinter&)>> printers_;
  std::vector<FontChoice> fontRequests_;
  std::vector<MessageRecord> messages_;
  std::vector<FileDialogRequest> fileDialogs_;
};

}  // namespace gw::test
