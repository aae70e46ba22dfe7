// The hidden phrase dialog: phrase or random fill letters for the puzzle being edited.
#include "generator/HiddenPhraseDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "base/Random.h"
#include "base/TextCodec.h"
#include "generator/FillLetters.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

HiddenPhraseDialog::HiddenPhraseDialog(const PuzzleRecord& puzzle, QWidget* parent)
    : QDialog(parent), puzzle_(std::make_unique<PuzzleRecord>(puzzle)) {
  setWindowTitle(tr("Hidden Puzzle Phrase"));
  SetHelpTopic(this, "Hidden phrase");
  resize(620, 150);
  setFont(DesignFont(17));

  numChars_ = new QLabel(this);
  numChars_->setObjectName(QStringLiteral("NumChars"));
  numChars_->setGeometry(16, 18, 90, 24);

  includeHidden_ = new QCheckBox(tr("&Include Hidden Phrase"), this);
  includeHidden_->setObjectName(QStringLiteral("IncludeHidden"));
  includeHidden_->setGeometry(108, 18, 218, 24);

  auto* note = new QLabel(tr("(No spaces should be used)"), this);
  note->setObjectName(QStringLiteral("NoSpacesNote"));
  note->setGeometry(326, 18, 278, 24);

  hiddenPhrase_ = new QLineEdit(this);
  hiddenPhrase_->setObjectName(QStringLiteral("HiddenPhrase"));
  hiddenPhrase_->setGeometry(16, 56, 588, 28);
  hiddenPhrase_->setAccessibleName(tr("Hidden Phrase"));

  auto* ok = new QPushButton(tr("&Ok"), this);
  ok->setObjectName(QStringLiteral("OkButton"));
  ok->setGeometry(200, 104, 100, 30);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &HiddenPhraseDialog::OkButtonClick);

  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  cancel->setGeometry(320, 104, 100, 30);
  connect(cancel, &QPushButton::clicked, this, &HiddenPhraseDialog::CancelButtonClick);

  PlaceDialog(this, false);
  FormShow();
}

HiddenPhraseDialog::~HiddenPhraseDialog() = default;

void HiddenPhraseDialog::FormShow() {
  emptyCount_ = EmptyCellCount(*puzzle_);
  numChars_->setText(tr("%1 Chars").arg(emptyCount_));
  FitText(numChars_);
  hiddenPhrase_->setAccessibleDescription(numChars_->text());
  includeHidden_->setChecked(puzzle_->hiddenPhraseUsed == 1);
  hiddenPhrase_->setMaxLength(std::min(emptyCount_, kMaxPhraseLength));
  hiddenPhrase_->setText(ToQString(CollectFillLetters(*puzzle_)));
  const bool phrasePossible = emptyCount_ < kMaxPhraseLength + 1;
  hiddenPhrase_->setEnabled(phrasePossible);
  includeHidden_->setEnabled(phrasePossible);
  if (phrasePossible) {
    hiddenPhrase_->setFocus();
  } else {
    includeHidden_->setChecked(false);
    findChild<QPushButton*>(QStringLiteral("OkButton"))->setFocus();
  }
}

void HiddenPhraseDialog::OkButtonClick() {
  if (includeHidden_->isChecked()) {
    const std::string text = FromQString(hiddenPhrase_->text());
    if (auto refusal = ValidatePhrase(text, emptyCount_,
                                      QT_TRANSLATE_NOOP("gw::Messages",
                                                        "Spaces were used in the hidden phrase.  "
                                                        "Please correct."))) {
      ShowMessage(*refusal, "Error");
      hiddenPhrase_->setFocus();
      return;
    }
    PlacePhrase(*puzzle_, text);
    puzzle_->hiddenPhraseUsed = 1;
  } else {
    puzzle_->hiddenPhraseUsed = 0;
    FillRandomly(*puzzle_, GlobalRandom());
  }
  accept();
}

void HiddenPhraseDialog::CancelButtonClick() {
  reject();
}

void HiddenPhraseDialog::ApplyTo(PuzzleRecord& target) const {
  std::memcpy(target.fillGrid, puzzle_->fillGrid, sizeof target.fillGrid);
  target.hiddenPhraseUsed = puzzle_->hiddenPhraseUsed;
}

}  // namespace gw
