// The word/clue text import dialog.
#include "editor/Import.h"

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

TImport::TImport(WordGrid& grid, QWidget* parent) : QDialog(parent), grid_(grid) {
  setWindowTitle(QStringLiteral("Import"));
  resize(460, 340);
  setFont(DesignFont(13));

  listBox1_ = Named(new QListWidget(this), "ListBox1", {12, 12, 264, 316});
  listBox1_->setSelectionMode(QAbstractItemView::MultiSelection);
  listBox1_->setSortingEnabled(true);

  asWords_ = Radio(this, "AsWords", "As &Words", {292, 12, 160, 22});
  asClues_ = Radio(this, "AsClues", "As &Clues", {292, 36, 160, 22});
  asWordsAndClues_ = Radio(this, "AsWordsAndClues", "&As Words and Clues", {292, 60, 160, 22});
  connect(asWords_, &QRadioButton::clicked, this, &TImport::AsWordsClick);
  connect(asClues_, &QRadioButton::clicked, this, &TImport::AsCluesClick);
  connect(asWordsAndClues_, &QRadioButton::clicked, this, &TImport::AsWordsAndCluesClick);
  sepCharLabel_ =
      Named(new QLabel(QStringLiteral("Separator Char"), this), "SepCharLabel", {292, 93, 100, 18});
  sepChar_ = Named(new QLineEdit(this), "SepChar", {396, 90, 28, 24});
  sepChar_->setMaxLength(1);
  connect(sepChar_, &QLineEdit::textChanged, this, &TImport::SepCharChange);

  QPushButton* openFile = Button(this, "OpenFile", "&Open File", {292, 128, 132, 28});
  connect(openFile, &QPushButton::clicked, this, &TImport::OpenFileClick);
  selectAll_ = Button(this, "SelectAll", "Select &All", {292, 160, 132, 28});
  connect(selectAll_, &QPushButton::clicked, this, &TImport::SelectAllClick);
  clear_ = Button(this, "Clear", "C&lear", {292, 192, 132, 28});
  connect(clear_, &QPushButton::clicked, this, &TImport::ClearClick);
  ok_ = Button(this, "Ok", "&Ok", {292, 236, 132, 28});
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &TImport::OkClick);
  QPushButton* cancel = Button(this, "Cancel", "&Cancel", {292, 268, 132, 28});
  connect(cancel, &QPushButton::clicked, this, &TImport::Button1Click);
  QPushButton* help = Button(this, "Help", "&Help", {292, 300, 132, 28});
  connect(help, &QPushButton::clicked, this, &TImport::Button1Click);
}

void TImport::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void TImport::FormShow() {
  if (shown_) return;
  shown_ = true;
  PlaceDialog(this, false);
  sepCharLabel_->hide();
  sepChar_->hide();
  sepChar_->setText(ToQString(std::string(1, AppSettings().sepChar)));
  if (AppSettings().useClues) {
    const long option = AppSettings().importOption;
    if (option >= 1 && option <= 3) ChooseForm(static_cast<WordFileForm>(option));
  } else {
    asClues_->hide();
    asWordsAndClues_->hide();
    ChooseForm(WordFileForm::Words);
  }
  selectAll_->setEnabled(false);
  clear_->setEnabled(false);
  ok_->setEnabled(false);
}

void TImport::ChooseForm(WordFileForm form) {
  QRadioButton* button = form == WordFileForm::Words   ? asWords_
                         : form == WordFileForm::Clues ? asClues_
                                                       : asWordsAndClues_;
  button->setChecked(true);
  AppSettings().importOption = static_cast<long>(form);
  sepCharLabel_->setVisible(form == WordFileForm::WordsAndClues);
  sepChar_->setVisible(form == WordFileForm::WordsAndClues);
}

WordFileForm TImport::Form() const {
  if (asClues_->isChecked()) return WordFileForm::Clues;
  if (asWordsAndClues_->isChecked()) return WordFileForm::WordsAndClues;
  return WordFileForm::Words;
}

void TImport::AsWordsClick() {
  ChooseForm(WordFileForm::Words);
}

void TImport::AsCluesClick() {
  ChooseForm(WordFileForm::Clues);
}

void TImport::AsWordsAndCluesClick() {
  ChooseForm(WordFileForm::WordsAndClues);
}

void TImport::SepCharChange() {
  const std::string typed = FromQString(sepChar_->text());
  if (!typed.empty()) AppSettings().sepChar = typed[0];
}

void TImport::OpenFileClick() {
  const std::optional<std::string> file =
      RunFileDialog(this, FileDialogRequest::ForOpen("Import Word/Clue List",
                                                     "text (*.txt)|*.txt|all files (*.*)|*.*",
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
    ShowMessage("Unable to open import file.", "Error");
    return;
  }
  listBox1_->clear();
  for (const std::string& line : read->lines) listBox1_->addItem(new SortedItem(ToQString(line)));
  selectAll_->setEnabled(true);
  clear_->setEnabled(true);
  ok_->setEnabled(true);
  // Letters are never lost without a word: the user sees which lines to leave out.
  if (!read->unmapped.isEmpty())
    ShowMessage("Some characters in this file cannot be used in a puzzle: " +
                    CodePointList(read->unmapped) + ".  They are shown as \"?\".",
                "Warning");
}

void TImport::SelectAllClick() {
  listBox1_->selectAll();
}

void TImport::ClearClick() {
  listBox1_->clearSelection();
}

void TImport::OkClick() {
  const WordFileForm form = Form();
  std::string separator;
  if (form == WordFileForm::WordsAndClues) {
    separator = TypedSeparator(FromQString(sepChar_->text()));
    if (separator.empty()) {
      ShowMessage("No word/clue seperator character specified.", "Error");
      sepChar_->setFocus();
      return;
    }
  }
  std::vector<std::string> lines;
  for (int i = 0; i < listBox1_->count(); ++i)
    if (listBox1_->item(i)->isSelected()) lines.push_back(FromQString(listBox1_->item(i)->text()));

  std::vector<PuzzleEntries::Row> rows = grid_.Rows();
  const long surplus = CountWords(rows) + static_cast<long>(lines.size()) - kMaxWords;
  if (surplus > 0 &&
      ShowMessage("Too many words selected.  Last " +
                      (surplus == 1 ? std::string("word")
                                    : FormatGrouped(static_cast<double>(surplus)) + " words") +
                      " will not be used.  Continue?",
                  "Warning", MsgButtons::YesNo) != MsgResult::Yes)
    return;

  for (const size_t r : MergeWordFileLines(rows, lines, form, separator)) {
    const int row = static_cast<int>(r) + 1;
    if (form != WordFileForm::Clues) grid_.SetCell(WordGrid::kWord, row, ToQString(rows[r].word));
    if (form != WordFileForm::Words) grid_.SetCell(WordGrid::kClue, row, ToQString(rows[r].clue));
  }
  accept();
}

void TImport::Button1Click() {
  reject();
}

}  // namespace gw
