// The Tip of the Day dialog.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;

namespace gw {

class TipOfTheDayDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTipCount = 32;
  static const std::array<const char*, kTipCount>& Tips();

  explicit TipOfTheDayDialog(QWidget* parent = nullptr);

  void NextTipClick();
  int CurrentTip() const { return current_; }  // 0-based
  void done(int result) override;

 private:
  void ShowTip();

  int current_ = 0;
  QLabel* tipText_ = nullptr;
  QCheckBox* showTips_ = nullptr;
};

}  // namespace gw
