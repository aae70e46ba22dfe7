// The candidate window.
#include "generator/CandidateWindow.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "base/IoError.h"
#include "base/Random.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "generator/CandidatePreview.h"
#include "generator/CandidateSave.h"
#include "generator/EnlargedCandidateDialog.h"
#include "generator/FillAndScreen.h"
#include "generator/FillLetters.h"
#include "generator/OffensiveWords.h"
#include "generator/PuzzleImage.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

const char* const kSlotNames[4] = {QT_TRANSLATE_NOOP("gw::CandidateWindow", "Best Fit"),
                                   QT_TRANSLATE_NOOP("gw::CandidateWindow", "Second Best Fit"),
                                   QT_TRANSLATE_NOOP("gw::CandidateWindow", "Third Best Fit"),
                                   QT_TRANSLATE_NOOP("gw::CandidateWindow", "Fourth Best Fit")};

// `one` and `many` hold %1 for the grouped count.
QString CountText(int n, const QString& one, const QString& many) {
  return (n == 1 ? one : many).arg(ToQString(FormatGrouped(n)));
}

// What a screen reader says of a candidate picture: its size and how many words it placed.
QString CandidateSummary(const CandidateSlot& slot) {
  return CandidateWindow::tr("%1 by %2, %3 words placed")
      .arg(slot.record->gridWidth)
      .arg(slot.record->gridHeight)
      .arg(slot.score);
}

void SetLabelBackground(QLabel* label, const QColor& color) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, color);
  label->setPalette(pal);
}

}  // namespace

CandidateWindow::CandidateWindow(PuzzleHost& host, const CandidateSlots& candidates,
                                 PlacementDiagnosis diagnosis, QWidget* parent)
    : QDialog(parent),
      host_(host),
      slots_(candidates),
      listWordCount_(ClampedWordCount(*host.State().currentPuzzle)),
      diagnosis_(std::move(diagnosis)) {
  setWindowTitle(tr("Created Puzzle"));
  SetHelpTopic(this, "Candidates");
  resize(618, 577);
  setFont(DesignFont(13));

  const QPoint corners[4] = {{8, 16}, {216, 16}, {8, 225}, {216, 225}};
  for (int k = 0; k < 4; ++k) {
    labels_[k] = new QLabel(tr(kSlotNames[k]), this);
    labels_[k]->setObjectName(QStringLiteral("CandidateLabel%1").arg(k + 1));
    labels_[k]->setGeometry(corners[k].x(), corners[k].y() - 16, 191, 15);
    labels_[k]->setAlignment(Qt::AlignCenter);
    labels_[k]->setAutoFillBackground(true);
    images_[k] = new PuzzleImage(this);
    images_[k]->setObjectName(QStringLiteral("PuzzImage%1").arg(k + 1));
    images_[k]->setGeometry(corners[k].x(), corners[k].y(), 191, 191);
    images_[k]->setAccessibleName(tr(kSlotNames[k]));
    connect(images_[k], &PuzzleImage::clicked, this, [this, k] { SelectSlot(k + 1); });
    connect(images_[k], &PuzzleImage::doubleClicked, this, [this, k] { PuzzImageDblClick(k + 1); });
  }

  auto panel = [this](const char* name, QRect design) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(design);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
  };
  QFrame* inc = panel("IncPanel", {415, 4, 195, 158});
  incWordsLabel_ = new QLabel(inc);
  incWordsLabel_->setObjectName(QStringLiteral("IncWordsLabel"));
  incWordsLabel_->setGeometry(6, 4, 183, 16);
  includedWords_ = new QListWidget(inc);
  includedWords_->setObjectName(QStringLiteral("IncludedWords"));
  includedWords_->setGeometry(6, 22, 183, 130);
  includedWords_->setSortingEnabled(true);

  QFrame* exc = panel("ExcPanel", {415, 166, 195, 104});
  excWordsLabel_ = new QLabel(exc);
  excWordsLabel_->setObjectName(QStringLiteral("ExcWordsLabel"));
  excWordsLabel_->setGeometry(6, 4, 183, 16);
  excludedWords_ = new QListWidget(exc);
  excludedWords_->setObjectName(QStringLiteral("ExcludedWords"));
  excludedWords_->setGeometry(6, 22, 183, 76);
  excludedWords_->setSortingEnabled(true);
  connect(excludedWords_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* item) { ShowWhy(item); });

  QFrame* phrase = panel("PhrasePanel", {415, 274, 195, 100});
  auto* heading = new QLabel(tr("Hidden Phrase"), phrase);
  heading->setObjectName(QStringLiteral("PhraseHeading"));
  heading->setGeometry(6, 4, 96, 16);
  numChars_ = new QLabel(phrase);
  numChars_->setObjectName(QStringLiteral("NumChars"));
  numChars_->setGeometry(102, 4, 87, 16);
  numChars_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  includeHidden_ = new QCheckBox(tr("&Include Hidden Phrase"), phrase);
  includeHidden_->setObjectName(QStringLiteral("IncludeHidden"));
  includeHidden_->setGeometry(6, 26, 183, 20);
  hiddenPhrase_ = new QLineEdit(phrase);
  hiddenPhrase_->setObjectName(QStringLiteral("HiddenPhrase"));
  hiddenPhrase_->setGeometry(6, 52, 183, 24);
  hiddenPhrase_->setMaxLength(255);
  heading->setBuddy(hiddenPhrase_);
  auto* note = new QLabel(tr("(No spaces should be used)"), phrase);
  note->setObjectName(QStringLiteral("PhraseNote"));
  note->setGeometry(6, 78, 183, 16);

  save_ = new QPushButton(tr("&Save Puzzle"), this);
  save_->setObjectName(QStringLiteral("Save"));
  save_->setGeometry(415, 381, 104, 30);
  save_->setDefault(true);
  connect(save_, &QPushButton::clicked, this, &CandidateWindow::SaveClick);
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));
  cancel->setGeometry(523, 381, 87, 30);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto box = [this](const char* name, const QString& title, QRect design, const char* textName,
                    int textHeight) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(design);
    auto* text = new QLabel(group);
    text->setObjectName(QString::fromLatin1(textName));
    text->setGeometry(8, 18, design.width() - 16, textHeight);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setAccessibleName(title);
    return text;
  };
  why_ = box("WhyPanel", tr("Why?"), {8, 417, 602, 56}, "WhyText", 34);
  suggestions_ =
      box("SuggestionsPanel", tr("Suggestions"), {8, 477, 602, 92}, "SuggestionsText", 70);
}

bool CandidateWindow::Explains() const {
  return diagnosis_.Known() && diagnosis_.WordCount() == listWordCount_;
}

void CandidateWindow::FillExcluded(const CandidateSlot* slot) {
  excludedWords_->clear();
  std::vector<int> leftOut;
  const PuzzleRecord& list = slot ? *slot->record : *host_.State().currentPuzzle;
  for (int t = 1; t <= listWordCount_; ++t) {
    if (slot && slot->placed[t - 1] == 1) continue;
    auto* item = new QListWidgetItem(ToQString(list.Word(t).Get()));
    if (Explains()) {
      const int index = slot ? slot->listIndex[t - 1] : t - 1;
      leftOut.push_back(index);
      item->setData(Qt::UserRole, index);
      item->setToolTip(TranslatedMessage(diagnosis_.Reason(index)));
    }
    excludedWords_->addItem(item);
  }
  QString tips;
  if (Explains())
    for (const std::string& line : diagnosis_.Suggestions(leftOut))
      tips += (tips.isEmpty() ? QString() : QStringLiteral("\n")) + TranslatedMessage(line);
  suggestions_->setText(tips);
  ShowWhy(nullptr);
}

void CandidateWindow::ShowWhy(QListWidgetItem* item) {
  if (!Explains()) {
    why_->clear();
  } else if (item) {
    why_->setText(tr("%1: %2").arg(
        item->text(), TranslatedMessage(diagnosis_.Reason(item->data(Qt::UserRole).toInt()))));
  } else {
    why_->setText(excludedWords_->count() > 0
                      ? tr("Select an excluded word to see why it was left out.")
                      : tr("Every word of the list is in this puzzle."));
  }
}

void CandidateWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void CandidateWindow::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  const QColor face = palette().color(QPalette::Button);
  for (int k = 0; k < 4; ++k) {
    QImage picture(images_[k]->size(), QImage::Format_RGB32);
    DrawAPuzzle(picture, *slots_[k].record, slots_[k].score);
    images_[k]->setPixmap(QPixmap::fromImage(picture));
    labels_[k]->setVisible(slots_[k].score > 0);
    images_[k]->setAccessibleDescription(slots_[k].score > 0 ? CandidateSummary(slots_[k])
                                                             : tr("No puzzle"));
    // An empty slot has nothing to choose.
    images_[k]->setFocusPolicy(slots_[k].score > 0 ? Qt::StrongFocus : Qt::NoFocus);
    SetLabelBackground(labels_[k], face);
  }
  SelectSlot(1);
  if (selected_ == 0) {
    // Nothing was placed: every word of the list is left out and there is nothing to save.
    includedWords_->clear();
    FillExcluded(nullptr);
    incWordsLabel_->setText(CountText(0, tr("%1 Included Word"), tr("%1 Included Words")));
    excWordsLabel_->setText(
        CountText(listWordCount_, tr("%1 Excluded Word"), tr("%1 Excluded Words")));
    numChars_->setText(tr("%1 Chars").arg(0));
    NameWordLists();
    includeHidden_->setEnabled(false);
    hiddenPhrase_->setEnabled(false);
    save_->setEnabled(false);
  }
}

void CandidateWindow::SelectSlot(int k) {
  if (k < 1 || k > 4 || slots_[k - 1].score < 1) return;
  const QColor face = palette().color(QPalette::Button);
  if (selected_ > 0) SetLabelBackground(labels_[selected_ - 1], face);
  selected_ = k;
  SetLabelBackground(labels_[k - 1], QColor(255, 0, 0));
  update();

  const CandidateSlot& slot = slots_[k - 1];
  includedWords_->clear();
  for (int t = 1; t <= listWordCount_; ++t)
    if (slot.placed[t - 1] == 1) includedWords_->addItem(ToQString(slot.record->Word(t).Get()));
  FillExcluded(&slot);
  incWordsLabel_->setText(
      CountText(includedWords_->count(), tr("%1 Included Word"), tr("%1 Included Words")));
  excWordsLabel_->setText(
      CountText(excludedWords_->count(), tr("%1 Excluded Word"), tr("%1 Excluded Words")));

  const int empty = EmptyCellCount(*slot.record);
  numChars_->setText(tr("%1 Chars").arg(ToQString(FormatGrouped(empty))));
  NameWordLists();
  hiddenPhrase_->setAccessibleDescription(numChars_->text());
  const bool phraseFits = empty < 256;
  // Typing stops at the slot's count, but a longer phrase typed for another slot is kept (the
  // box would cut it) and refused with its count at save.
  hiddenPhrase_->setMaxLength(
      phraseFits ? std::max({empty, 1, static_cast<int>(hiddenPhrase_->text().size())}) : 255);
  hiddenPhrase_->setEnabled(phraseFits && empty > 0);
  includeHidden_->setEnabled(phraseFits && empty > 0);
  if (!phraseFits || empty == 0) includeHidden_->setChecked(false);
  save_->setEnabled(true);
}

// The word lists are read out with their headings and counts (a list takes no name from a buddy).
void CandidateWindow::NameWordLists() {
  includedWords_->setAccessibleName(incWordsLabel_->text());
  excludedWords_->setAccessibleName(excWordsLabel_->text());
  for (QLabel* label : {incWordsLabel_, excWordsLabel_, numChars_}) FitText(label);
}

void CandidateWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (selected_ == 0) return;
  QPainter p(this);
  p.setPen(QColor(255, 0, 0));
  p.setBrush(Qt::NoBrush);
  const QRect outer = images_[selected_ - 1]->geometry().adjusted(-2, -2, 2, 2);
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  p.drawRect(outer.adjusted(0, 0, -1, -1));
  p.drawRect(inner.adjusted(0, 0, -1, -1));
}

void CandidateWindow::PuzzImageDblClick(int k) {
  if (k < 1 || k > 4 || slots_[k - 1].score < 1) return;
  EnlargedCandidateDialog view(*slots_[k - 1].record, tr(kSlotNames[k - 1]), this,
                               CandidateSummary(slots_[k - 1]));
  view.exec();
}

void CandidateWindow::SaveClick() {
  if (selected_ == 0) return;
  AppState& state = host_.State();
  const CandidateSlot& slot = slots_[selected_ - 1];
  PuzzleRecord& puzzle = *state.currentPuzzle;
  puzzle = *slot.record;

  const FillResult fill =
      FillAndScreenAtSave(puzzle, includeHidden_->isChecked(), FromQString(hiddenPhrase_->text()),
                          LoadOffensiveList(state.paths), GlobalRandom(),
                          [](const std::string& text, const std::string& caption) {
                            return ShowMessage(text, caption, MsgButtons::YesNo) == MsgResult::Yes;
                          });
  if (fill.outcome == FillOutcome::Refused) {
    ShowMessage(fill.message, fill.caption);
    hiddenPhrase_->setFocus();
    return;
  }
  if (fill.outcome == FillOutcome::ChangePhrase) {
    hiddenPhrase_->setFocus();
    return;
  }
  if (excludedWords_->count() > 0 &&
      ShowMessage(tr("One or more words did not fit into the puzzle.  Save Puzzle anyway?"),
                  "Warning", MsgButtons::YesNo) != MsgResult::Yes)
    return;

  MarkCandidateStored(puzzle, slot);
  // A failure has been reported; the window stays, so the choice and the phrase are not lost.
  if (!SaveAndReport(host_)) return;
  saved_ = true;
  accept();
}

}  // namespace gw
