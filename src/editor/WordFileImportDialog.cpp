// The word/clue text import dialog.
#include "editor/WordFileImportDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "editor/WordGrid.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

WordFileImportDialog::WordFileImportDialog(WordGrid& grid, QWidget* parent)
    : WordFileDialog(tr("Import"), 264,
                     {tr("As &Words"), tr("As &Clues"), tr("&As Words and Clues")}, parent),
      grid_(grid) {
  SetHelpTopic(this, "Import words");
  connect(asWords_, &QRadioButton::clicked, this, &WordFileImportDialog::AsWordsClick);
  connect(asClues_, &QRadioButton::clicked, this, &WordFileImportDialog::AsCluesClick);
  connect(asWordsAndClues_, &QRadioButton::clicked, this,
          &WordFileImportDialog::AsWordsAndCluesClick);
  connect(sepChar_, &QLineEdit::textChanged, this, &WordFileImportDialog::SepCharChange);
  connect(Button("OpenFile", tr("&Open File"), 128), &QPushButton::clicked, this,
          &WordFileImportDialog::OpenFileClick);
  selectAll_ = Button("SelectAll", tr("Select &All"), 160);
  connect(selectAll_, &QPushButton::clicked, this, &WordFileImportDialog::SelectAllClick);
  clear_ = Button("Clear", tr("C&lear"), 192);
  connect(clear_, &QPushButton::clicked, this, &WordFileImportDialog::ClearClick);
  ok_ = Button("Ok", tr("&Ok"), 236);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &WordFileImportDialog::OkClick);
  connect(Button("Cancel", tr("&Cancel"), 268), &QPushButton::clicked, this,
          &WordFileImportDialog::CancelClick);
  connect(Button("Help", tr("&Help"), 300), &QPushButton::clicked, this,
          &WordFileImportDialog::CancelClick);
}

void WordFileImportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void WordFileImportDialog::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  sepCharLabel_->hide();
  sepChar_->hide();
  ShowSeparator(AppSettings().sepChar);
  if (AppSettings().useClues) {
    const long option = AppSettings().importOption;
    if (option >= 1 && option <= 3) ChooseForm(static_cast<WordFileForm>(option));
  } else {
    OfferWordsOnly();
    ChooseForm(WordFileForm::Words);
  }
  selectAll_->setEnabled(false);
  clear_->setEnabled(false);
  ok_->setEnabled(false);
}

void WordFileImportDialog::ChooseForm(WordFileForm form) {
  CheckForm(form);
  AppSettings().importOption = static_cast<long>(form);
}

void WordFileImportDialog::AsWordsClick() {
  ChooseForm(WordFileForm::Words);
}

void WordFileImportDialog::AsCluesClick() {
  ChooseForm(WordFileForm::Clues);
}

void WordFileImportDialog::AsWordsAndCluesClick() {
  ChooseForm(WordFileForm::WordsAndClues);
}

void WordFileImportDialog::SepCharChange() {
  const std::string typed = FromQString(sepChar_->text());
  if (!typed.empty()) AppSettings().sepChar = typed[0];
}

void WordFileImportDialog::OpenFileClick() {
  const std::optional<std::string> file = RunFileDialog(
      this, FileDialogRequest::ForOpen(tr("Import Word/Clue List").toStdString(),
                                       tr("text (*.txt)|*.txt|all files (*.*)|*.*").toStdString(),
                                       "txt", AppSettings().lastImportWordFile));
  if (!file) return;
  AppSettings().lastImportWordFile = *file;
  std::optional<WordFileLines> read;
  try {
    read = ReadWordFile(*file);
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  if (!read) {
    ShowMessage(tr("Unable to open import file."), "Error");
    return;
  }
  ShowLines(read->lines);
  selectAll_->setEnabled(true);
  clear_->setEnabled(true);
  ok_->setEnabled(true);
  // Letters are never lost without a word: the user sees which lines to leave out.
  if (!read->unmapped.isEmpty())
    ShowMessage(tr("Some characters in this file cannot be used in a puzzle: %1.  They are shown "
                   "as \"?\".")
                    .arg(ToQString(CodePointList(read->unmapped))),
                "Warning");
}

void WordFileImportDialog::SelectAllClick() {
  linesList_->selectAll();
}

void WordFileImportDialog::ClearClick() {
  linesList_->clearSelection();
}

void WordFileImportDialog::OkClick() {
  const WordFileForm form = CheckedForm();
  std::string separator;
  if (form == WordFileForm::WordsAndClues) {
    separator = TypedSeparatorText();
    if (separator.empty()) {
      ShowMessage(tr("No word/clue seperator character specified."), "Error");
      sepChar_->setFocus();
      return;
    }
  }
  const std::vector<std::string> lines = SelectedLines();
  std::vector<PuzzleEntries::Row> rows = grid_.Rows();
  const long surplus = CountWords(rows) + static_cast<long>(lines.size()) - kMaxWords;
  if (surplus > 0 &&
      ShowMessage(surplus == 1
                      ? tr("Too many words selected.  Last word will not be used.  Continue?")
                      : tr("Too many words selected.  Last %1 words will not be used.  Continue?")
                            .arg(ToQString(FormatGrouped(static_cast<double>(surplus)))),
                  "Warning", MsgButtons::YesNo) != MsgResult::Yes)
    return;

  // Only the cells the form fills are written back: the others keep exactly what was typed.
  for (const size_t r : MergeWordFileLines(rows, lines, form, separator)) {
    const int row = static_cast<int>(r) + 1;
    if (form != WordFileForm::Clues) grid_.SetCell(WordGrid::kWord, row, ToQString(rows[r].word));
    if (form != WordFileForm::Words) grid_.SetCell(WordGrid::kClue, row, ToQString(rows[r].clue));
  }
  accept();
}

void WordFileImportDialog::CancelClick() {
  reject();
}

}  // namespace gw
