// The international character dialog: which character each of F1..F12 types.
#pragma once

#include <QDialog>
#include <array>
#include <string>

class QComboBox;

namespace gw {

// Edits the settings "Int Key 1".."Int Key 12"; they change only with "&Ok".
class AccentKeysDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AccentKeysDialog(QWidget* parent = nullptr);

  void FormShow();
  void OkButtonClick();
  void CancelButtonClick();

  // Setting text -> list position, and back.
  static int SelectIndex(const std::string& setting);
  static std::string GetAltKeys(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool shown_ = false;
  std::array<QComboBox*, 12> keyCharacters_{};
};

}  // namespace gw
