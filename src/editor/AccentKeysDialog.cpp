// The international character dialog.
#include "editor/AccentKeysDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "editor/AccentKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"

namespace gw {

AccentKeysDialog::AccentKeysDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("International Characters"));
  SetHelpTopic(this, "International characters");
  resize(372, 300);
  setFont(DesignFont(13));

  auto* text = Named(
      new QLabel(tr("The function keys F1 through F12 can be assigned any number of "
                    "international characters.  The function keys will play back the assigned "
                    "international key in the Puzzle Creation Window."),
                 this),
      "Explanation", {12, 10, 348, 68});
  text->setWordWrap(true);

  // Two columns of six keys: F1..F6 on the left, F7..F12 on the right.
  for (int i = 0; i < 12; ++i) {
    const int left = 40 + (i / 6) * 170, top = 86 + (i % 6) * 28;
    const std::string key = std::to_string(i + 1);
    auto* label = Named(new QLabel(QString::fromStdString("F" + key), this),
                        ("Label" + key).c_str(), {left, top + 3, 36, 18});
    keyCharacters_[i] =
        Named(new QComboBox(this), ("KeyCharacter" + key).c_str(), {left + 40, top, 100, 24});
    label->setBuddy(keyCharacters_[i]);
    // A combo box is read out by its current entry; its label names it.
    keyCharacters_[i]->setAccessibleName(label->text());
    // The style's own pop-up would show all 64 characters at once; a list shows 12.
    keyCharacters_[i]->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    keyCharacters_[i]->setMaxVisibleItems(12);
  }

  auto* ok = Named(new QPushButton(tr("&Ok"), this), "OkButton", {70, 258, 100, 30});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &AccentKeysDialog::OkButtonClick);
  auto* cancel = Named(new QPushButton(tr("&Cancel"), this), "CancelButton", {202, 258, 100, 30});
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &AccentKeysDialog::CancelButtonClick);
}

void AccentKeysDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void AccentKeysDialog::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  for (size_t i = 0; i < keyCharacters_.size(); ++i) {
    QComboBox* box = keyCharacters_[i];
    box->clear();
    for (int k = 0; k < kAccentKeyChoices; ++k)
      box->addItem(ToQString(std::string(1, static_cast<char>(kAccentKeyFirstCode + k))));
    box->setCurrentIndex(SelectIndex(AppSettings().intKeys[i]));
  }
}

int AccentKeysDialog::SelectIndex(const std::string& setting) {
  return AccentKeyIndex(setting);
}

std::string AccentKeysDialog::GetAltKeys(int index) {
  return AccentKeySetting(index);
}

void AccentKeysDialog::OkButtonClick() {
  for (size_t i = 0; i < keyCharacters_.size(); ++i)
    AppSettings().intKeys[i] = GetAltKeys(std::max(keyCharacters_[i]->currentIndex(), 0));
  accept();
}

void AccentKeysDialog::CancelButtonClick() {
  reject();
}

}  // namespace gw
