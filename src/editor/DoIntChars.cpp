// The international character dialog.
#include "editor/DoIntChars.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "editor/IntKeys.h"
#include "widgets/FormLayout.h"

namespace gw {

TDoIntChars::TDoIntChars(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("International Characters"));
  resize(372, 300);
  setFont(DesignFont(13));

  auto* text = Named(
      new QLabel(QStringLiteral("The function keys F1 through F12 can be assigned any number of "
                                "international characters.  The function keys will play back the "
                                "assigned international key in the Puzzle Creation Window."),
                 this),
      "Explanation", {12, 10, 348, 68});
  text->setWordWrap(true);

  // Two columns of six keys: F1..F6 on the left, F7..F12 on the right.
  for (int i = 0; i < 12; ++i) {
    const int left = 40 + (i / 6) * 170, top = 86 + (i % 6) * 28;
    const std::string key = std::to_string(i + 1);
    Named(new QLabel(QString::fromStdString("F" + key), this), ("Label" + key).c_str(),
          {left, top + 3, 36, 18});
    comboBoxes_[i] =
        Named(new QComboBox(this), ("ComboBox" + key).c_str(), {left + 40, top, 72, 24});
    // The style's own pop-up would show all 64 characters at once; a list shows 12.
    comboBoxes_[i]->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    comboBoxes_[i]->setMaxVisibleItems(12);
  }

  auto* ok = Named(new QPushButton(QStringLiteral("&Ok"), this), "OkButton", {70, 258, 100, 30});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TDoIntChars::OkButtonClick);
  auto* cancel =
      Named(new QPushButton(QStringLiteral("&Cancel"), this), "CancelButton", {202, 258, 100, 30});
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &TDoIntChars::CancelButtonClick);
}

void TDoIntChars::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void TDoIntChars::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  for (size_t i = 0; i < comboBoxes_.size(); ++i) {
    QComboBox* box = comboBoxes_[i];
    box->clear();
    for (int k = 0; k < kIntKeyChoices; ++k)
      box->addItem(ToQString(std::string(1, static_cast<char>(kIntKeyFirstCode + k))));
    box->setCurrentIndex(SelectIndex(AppSettings().intKeys[i]));
  }
}

int TDoIntChars::SelectIndex(const std::string& setting) {
  return IntKeyIndex(setting);
}

std::string TDoIntChars::GetAltKeys(int index) {
  return IntKeySetting(index);
}

void TDoIntChars::OkButtonClick() {
  for (size_t i = 0; i < comboBoxes_.size(); ++i)
    AppSettings().intKeys[i] = GetAltKeys(std::max(comboBoxes_[i]->currentIndex(), 0));
  accept();
}

void TDoIntChars::CancelButtonClick() {
  reject();
}

}  // namespace gw
