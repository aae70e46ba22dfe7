// The word/clue text export dialog.
#include "editor/MyExport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "editor/WordGrid.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"
#include "widgets/SortedItem.h"

namespace gw {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* text, QRect design) {
  auto* b = Named(new QPushButton(QString::fromLatin1(text), parent), name, design);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* Radio(QWidget* parent, const char* name, const char* text, QRect design) {
  return Named(new QRadioButton(QString::fromLatin1(text), parent), name, design);
}

}  // namespace

TMyExport::TMyExport(const WordGrid& grid, QWidget* parent) : QDialog(parent), grid_(grid) {
  setWindowTitle(QStringLiteral("Export"));
  resize(640, 340);
  setFont(DesignFont(13));

  listBox1_ = Named(new QListWidget(this), "ListBox1", {12, 12, 460, 316});
  listBox1_->setSelectionMode(QAbstractItemView::MultiSelection);
  listBox1_->setSortingEnabled(true);
  connect(listBox1_, &QListWidget::itemSelectionChanged, this, &TMyExport::ListBox1Click);

  asWords_ = Radio(this, "AsWords", "&Words", {488, 12, 140, 22});
  asClues_ = Radio(this, "AsClues", "&Clues", {488, 36, 140, 22});
  asWordsAndClues_ = Radio(this, "AsWordsAndClues", "Words &And Clues", {488, 60, 140, 22});
  connect(asWords_, &QRadioButton::clicked, this, &TMyExport::AsWordsClick);
  connect(asClues_, &QRadioButton::clicked, this, &TMyExport::AsCluesClick);
  connect(asWordsAndClues_, &QRadioButton::clicked, this, &TMyExport::AsWordsAndCluesClick);
  sepCharLabel_ =
      Named(new QLabel(QStringLiteral("Separator Char"), this), "SepCharLabel", {488, 93, 100, 18});
  sepChar_ = Named(new QLineEdit(this), "SepChar", {592, 90, 28, 24});
  sepChar_->setMaxLength(1);
  connect(sepChar_, &QLineEdit::textChanged, this, &TMyExport::SepCharChange);

  QPushButton* selectAll = Button(this, "SelectAll", "&Select All", {488, 160, 132, 28});
  connect(selectAll, &QPushButton::clicked, this, &TMyExport::SelectAllClick);
  QPushButton* clear = Button(this, "Clear", "C&lear", {488, 192, 132, 28});
  connect(clear, &QPushButton::clicked, this, &TMyExport::ClearClick);
  saveFile_ = Button(this, "SaveFile", "Save &File", {488, 236, 132, 28});
  connect(saveFile_, &QPushButton::clicked, this, &TMyExport::SaveFileClick);
  QPushButton* exitButton = Button(this, "ExitButton", "&Exit", {488, 300, 132, 28});
  connect(exitButton, &QPushButton::clicked, this, &TMyExport::ExitButtonClick);
}

void TMyExport::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void TMyExport::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  // The words-and-clues lines are padded for a fixed-pitch font, whatever the user's list font.
  QFont fixedPitch = listBox1_->font();
  fixedPitch.setFamily(QStringLiteral("Courier New"));
  fixedPitch.setStyleHint(QFont::Monospace);
  listBox1_->setFont(fixedPitch);
  sepCharLabel_->hide();
  sepChar_->hide();
  if (AppSettings().useClues) {
    // The box first: choosing the words-and-clues form builds its lines with it.
    sepChar_->setText(ToQString(std::string(1, AppSettings().sepChar)));
    const long option = AppSettings().exportOption;
    if (option >= 1 && option <= 3) ChooseForm(static_cast<WordFileForm>(option));
  } else {
    asClues_->hide();
    asWordsAndClues_->hide();
    ChooseForm(WordFileForm::Words);
  }
  saveFile_->setEnabled(false);
}

void TMyExport::ChooseForm(WordFileForm form) {
  QRadioButton* button = form == WordFileForm::Words   ? asWords_
                         : form == WordFileForm::Clues ? asClues_
                                                       : asWordsAndClues_;
  button->setChecked(true);
  AppSettings().exportOption = static_cast<long>(form);
  if (form == WordFileForm::WordsAndClues)
    DoBoth();
  else
    Fill(form, {});
}

void TMyExport::Fill(WordFileForm form, const std::string& separator) {
  listBox1_->clear();
  for (const std::string& line : WordFileExportLines(grid_.Rows(), form, separator))
    listBox1_->addItem(new SortedItem(ToQString(line)));
  sepCharLabel_->setVisible(form == WordFileForm::WordsAndClues);
  sepChar_->setVisible(form == WordFileForm::WordsAndClues);
  // Nothing is selected after a fill, so there is nothing to save yet.
  saveFile_->setEnabled(false);
}

void TMyExport::AsWordsClick() {
  ChooseForm(WordFileForm::Words);
}

void TMyExport::AsCluesClick() {
  ChooseForm(WordFileForm::Clues);
}

void TMyExport::AsWordsAndCluesClick() {
  ChooseForm(WordFileForm::WordsAndClues);
}

void TMyExport::DoBoth() {
  Fill(WordFileForm::WordsAndClues, TypedSeparator(FromQString(sepChar_->text())));
}

void TMyExport::SepCharChange() {
  if (asWordsAndClues_->isChecked()) DoBoth();
}

void TMyExport::ListBox1Click() {
  saveFile_->setEnabled(!listBox1_->selectedItems().isEmpty());
}

void TMyExport::SelectAllClick() {
  listBox1_->selectAll();
  saveFile_->setEnabled(true);
}

void TMyExport::ClearClick() {
  listBox1_->clearSelection();
  saveFile_->setEnabled(false);
}

void TMyExport::SaveFileClick() {
  std::vector<std::string> lines;
  for (int i = 0; i < listBox1_->count(); ++i)
    if (listBox1_->item(i)->isSelected()) lines.push_back(FromQString(listBox1_->item(i)->text()));
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

void TMyExport::ExitButtonClick() {
  reject();
}

}  // namespace gw
