// The word/clue text export dialog.
#include "editor/WordFileExportDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "base/IoError.h"
#include "base/Settings.h"
#include "editor/WordGrid.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

WordFileExportDialog::WordFileExportDialog(const WordGrid& grid, QWidget* parent)
    : WordFileDialog("Export", 520, {"&Words", "&Clues", "Words &And Clues"}, parent), grid_(grid) {
  SetHelpTopic(this, "Export words");
  connect(linesList_, &QListWidget::itemSelectionChanged, this,
          &WordFileExportDialog::LineSelectionChanged);
  connect(asWords_, &QRadioButton::clicked, this, &WordFileExportDialog::AsWordsClick);
  connect(asClues_, &QRadioButton::clicked, this, &WordFileExportDialog::AsCluesClick);
  connect(asWordsAndClues_, &QRadioButton::clicked, this,
          &WordFileExportDialog::AsWordsAndCluesClick);
  connect(sepChar_, &QLineEdit::textChanged, this, &WordFileExportDialog::SepCharChange);
  connect(Button("SelectAll", "&Select All", 160), &QPushButton::clicked, this,
          &WordFileExportDialog::SelectAllClick);
  connect(Button("Clear", "C&lear", 192), &QPushButton::clicked, this,
          &WordFileExportDialog::ClearClick);
  saveFile_ = Button("SaveFile", "Save &File", 236);
  connect(saveFile_, &QPushButton::clicked, this, &WordFileExportDialog::SaveFileClick);
  connect(Button("ExitButton", "&Exit", 300), &QPushButton::clicked, this,
          &WordFileExportDialog::ExitButtonClick);
}

void WordFileExportDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void WordFileExportDialog::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  // The words-and-clues lines are padded for a fixed-pitch font, whatever the user's list font.
  QFont fixedPitch = linesList_->font();
  fixedPitch.setFamily(QStringLiteral("Courier New"));
  fixedPitch.setStyleHint(QFont::Monospace);
  linesList_->setFont(fixedPitch);
  sepCharLabel_->hide();
  sepChar_->hide();
  if (AppSettings().useClues) {
    // The box first: choosing the words-and-clues form builds its lines with it.
    ShowSeparator(AppSettings().sepChar);
    const long option = AppSettings().exportOption;
    if (option >= 1 && option <= 3) ChooseForm(static_cast<WordFileForm>(option));
  } else {
    OfferWordsOnly();
    ChooseForm(WordFileForm::Words);
  }
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::ChooseForm(WordFileForm form) {
  CheckForm(form);
  AppSettings().exportOption = static_cast<long>(form);
  if (form == WordFileForm::WordsAndClues)
    DoBoth();
  else
    Fill(form, {});
}

void WordFileExportDialog::Fill(WordFileForm form, const std::string& separator) {
  ShowLines(WordFileExportLines(grid_.Rows(), form, separator));
  // Nothing is selected after a fill, so there is nothing to save yet.
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::AsWordsClick() {
  ChooseForm(WordFileForm::Words);
}

void WordFileExportDialog::AsCluesClick() {
  ChooseForm(WordFileForm::Clues);
}

void WordFileExportDialog::AsWordsAndCluesClick() {
  ChooseForm(WordFileForm::WordsAndClues);
}

void WordFileExportDialog::DoBoth() {
  Fill(WordFileForm::WordsAndClues, TypedSeparatorText());
}

void WordFileExportDialog::SepCharChange() {
  if (asWordsAndClues_->isChecked()) DoBoth();
}

void WordFileExportDialog::LineSelectionChanged() {
  saveFile_->setEnabled(!linesList_->selectedItems().isEmpty());
}

void WordFileExportDialog::SelectAllClick() {
  linesList_->selectAll();
  saveFile_->setEnabled(true);
}

void WordFileExportDialog::ClearClick() {
  linesList_->clearSelection();
  saveFile_->setEnabled(false);
}

void WordFileExportDialog::SaveFileClick() {
  const std::vector<std::string> lines = SelectedLines();
  if (lines.empty()) {
    ShowMessage("No words/clues selected for output.  Please select the desired words/clues.",
                "Error");
    return;
  }
  const std::optional<std::string> file =
      RunFileDialog(this, FileDialogRequest::ForSave("Save Word/Clue List", "text (*.txt)|*.txt",
                                                     "txt", AppSettings().lastExportWordFile));
  if (!file) return;
  AppSettings().lastExportWordFile = *file;
  try {
    if (!WriteWordFile(*file, lines)) {
      ShowMessage("Unable to create export file.", "Error");
      return;
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  accept();
}

void WordFileExportDialog::ExitButtonClick() {
  reject();
}

}  // namespace gw
