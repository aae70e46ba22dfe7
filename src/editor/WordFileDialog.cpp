// The common part of the word/clue text import and export dialogs.
#include "editor/WordFileDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "base/TextCodec.h"
#include "widgets/FormLayout.h"
#include "widgets/SortedItem.h"

namespace gw {

WordFileDialog::WordFileDialog(const QString& caption, int listWidth, const FormCaptions& forms,
                               QWidget* parent)
    : QDialog(parent), buttonsLeft_(listWidth + 28) {
  setWindowTitle(caption);
  resize(buttonsLeft_ + 168, 340);
  setFont(DesignFont(13));

  linesList_ = Named(new QListWidget(this), "LinesList", {12, 12, listWidth, 316});
  linesList_->setSelectionMode(QAbstractItemView::MultiSelection);  // each click toggles a line
  linesList_->setSortingEnabled(true);
  // A line of up to 255 characters wraps rather than hiding its end behind a scroll bar.
  linesList_->setWordWrap(true);
  linesList_->setProperty("gwWrapsLongLines", true);
  linesList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  linesList_->setAccessibleName(tr("Lines"));

  auto radio = [this](const char* name, const QString& text, int top) {
    return Named(new QRadioButton(text, this), name, {buttonsLeft_, top, 160, 22});
  };
  asWords_ = radio("AsWords", forms.words, 12);
  asClues_ = radio("AsClues", forms.clues, 36);
  asWordsAndClues_ = radio("AsWordsAndClues", forms.wordsAndClues, 60);
  sepCharLabel_ =
      Named(new QLabel(tr("Separator Char"), this), "SepCharLabel", {buttonsLeft_, 93, 100, 18});
  sepChar_ = Named(new QLineEdit(this), "SepChar", {buttonsLeft_ + 104, 90, 28, 24});
  sepChar_->setMaxLength(1);
  sepCharLabel_->setBuddy(sepChar_);
}

QPushButton* WordFileDialog::Button(const char* name, const QString& text, int top) {
  auto* b = Named(new QPushButton(text, this), name, {buttonsLeft_, top, 132, 28});
  b->setAutoDefault(false);
  return b;
}

WordFileForm WordFileDialog::CheckedForm() const {
  if (asClues_->isChecked()) return WordFileForm::Clues;
  if (asWordsAndClues_->isChecked()) return WordFileForm::WordsAndClues;
  return WordFileForm::Words;
}

void WordFileDialog::CheckForm(WordFileForm form) {
  QRadioButton* button = form == WordFileForm::Words   ? asWords_
                         : form == WordFileForm::Clues ? asClues_
                                                       : asWordsAndClues_;
  button->setChecked(true);
  sepCharLabel_->setVisible(form == WordFileForm::WordsAndClues);
  sepChar_->setVisible(form == WordFileForm::WordsAndClues);
}

void WordFileDialog::OfferWordsOnly() {
  asClues_->hide();
  asWordsAndClues_->hide();
}

std::string WordFileDialog::TypedSeparatorText() const {
  return TypedSeparator(FromQString(sepChar_->text()));
}

void WordFileDialog::ShowSeparator(char separator) {
  sepChar_->setText(ToQString(std::string(1, separator)));
}

void WordFileDialog::ShowLines(const std::vector<std::string>& lines) {
  linesList_->clear();
  for (const std::string& line : lines) linesList_->addItem(new SortedItem(ToQString(line)));
}

std::vector<std::string> WordFileDialog::SelectedLines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < linesList_->count(); ++i)
    if (linesList_->item(i)->isSelected())
      lines.push_back(FromQString(linesList_->item(i)->text()));
  return lines;
}

}  // namespace gw
