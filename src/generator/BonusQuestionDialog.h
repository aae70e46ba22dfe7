// The bonus question dialog of the print options.
#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace gw {

// Edits a copy of a puzzle's bonus question; the caller stores BonusQuestion() after "&Ok".
class BonusQuestionDialog : public QDialog {
  Q_OBJECT

 public:
  explicit BonusQuestionDialog(const std::string& bonusQuestion, QWidget* parent = nullptr);

  void OkButtonClick();
  void CancelButtonClick();

  // Windows-1252, at most 150 characters.
  const std::string& BonusQuestion() const { return question_; }

  // Characters the user can type into BonusText; a longer stored question is shown whole.
  static constexpr int kTypingLimit = 120;

 private:
  std::string question_;
  QLineEdit* bonusText_;
};

}  // namespace gw
