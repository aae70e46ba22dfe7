// The thesaurus lookup dialog.
#include "language/ThesaurusDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "language/ChosenReplacement.h"
#include "language/ThesaurusSuggestionsDialog.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

ThesaurusDialog::ThesaurusDialog(const AppPaths& paths, long thesaurus, const std::string& word,
                                 QWidget* parent)
    : QDialog(parent),
      paths_(paths),
      language_(thesaurus),
      runSuggestions_([](ThesaurusSuggestionsDialog& dialog) { dialog.exec(); }) {
  setWindowTitle(tr("Thesaurus Lookup"));
  SetHelpTopic(this, "Thesaurus");
  resize(724, 356);
  setFont(DesignFont(15));
  auto* wordLabel = Named(new QLabel(tr("Word"), this), "WordLabel", {12, 15, 44, 22});
  theWord_ = Named(new QLineEdit(ToQString(word), this), "TheWord", {60, 12, 252, 28});
  wordLabel->setBuddy(theWord_);
  theWord_->setMaxLength(255);
  struct Button {
    const char* name;
    const char* text;
    QRect design;
    void (ThesaurusDialog::*handler)();
  };
  const Button buttons[] = {
      {"LookUp", QT_TR_NOOP("&Look Up"), {324, 11, 90, 30}, &ThesaurusDialog::LookUpClick},
      {"Suggest", QT_TR_NOOP("&Suggest"), {422, 11, 90, 30}, &ThesaurusDialog::SuggestClick},
      {"Accept", QT_TR_NOOP("&Accept"), {524, 314, 90, 30}, &ThesaurusDialog::AcceptClick},
      {"AbortButton", QT_TR_NOOP("A&bort"), {622, 314, 90, 30}, &ThesaurusDialog::AbortClick}};
  for (const Button& b : buttons) {
    auto* button = Named(new QPushButton(tr(b.text), this), b.name, b.design);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, b.handler);
  }
  findChild<QPushButton*>(QStringLiteral("LookUp"))->setDefault(true);
  accept_ = findChild<QPushButton*>(QStringLiteral("Accept"));
  accept_->setEnabled(false);
  // Meanings told apart by a more general word ("brave (noun), a kind of warrior") need room.
  auto* catLabel = Named(new QLabel(tr("Category"), this), "CategoryLabel", {12, 50, 300, 20});
  auto* antLabel = Named(new QLabel(tr("Antonyms"), this), "AntonymLabel", {320, 50, 196, 20});
  auto* defLabel = Named(new QLabel(tr("Synonyms"), this), "SynonymLabel", {524, 50, 188, 20});
  catBox_ = Named(new QListWidget(this), "CatBox", {12, 72, 300, 232});
  antBox_ = Named(new QListWidget(this), "AntBox", {320, 72, 196, 232});
  defBox_ = Named(new QListWidget(this), "DefBox", {524, 72, 188, 232});
  // Screen readers name each list after its heading (a list takes no name from a buddy).
  catBox_->setAccessibleName(catLabel->text());
  antBox_->setAccessibleName(antLabel->text());
  defBox_->setAccessibleName(defLabel->text());
  connect(catBox_, &QListWidget::itemClicked, this, &ThesaurusDialog::CatBoxClick);
  connect(antBox_, &QListWidget::itemClicked, this, &ThesaurusDialog::AntBoxClick);
  connect(defBox_, &QListWidget::itemDoubleClicked, this, &ThesaurusDialog::DefBoxDoubleClick);
  PlaceDialog(this, false);
}

ThesaurusDialog::~ThesaurusDialog() = default;

void ThesaurusDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once the dialog is on the screen, so a warning about the word appears over it.
  QTimer::singleShot(0, this, &ThesaurusDialog::FormShow);
}

void ThesaurusDialog::FormShow() {
  if (shown_) return;
  shown_ = true;
  result_.reset();
  if (OpenThes()) LookUpWord();
}

bool ThesaurusDialog::OpenThes() {
  thesaurus_ = OpenThesaurus(paths_, language_);
  if (!thesaurus_) ShowMessage(tr("Could not find the Thesaurus file."), "Error");
  return thesaurus_ != nullptr;
}

void ThesaurusDialog::LookUpWord() {
  catBox_->clear();
  antBox_->clear();
  defBox_->clear();
  accept_->setEnabled(false);
  lookup_ = {};
  if (!thesaurus_) return;
  const std::string word = Trim(FromQString(theWord_->text()));
  lookup_ = thesaurus_->Lookup(word);
  if (!lookup_.found) {
    ShowMessage(
        tr("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."),
        "Warning");
    return;
  }
  for (const ThesCategory& c : lookup_.categories)
    catBox_->addItem(TranslatedMessage(CategoryDisplay(c)));
  for (const ThesCategory& a : lookup_.antonyms)
    antBox_->addItem(TranslatedMessage(CategoryDisplay(a)));
  if (!lookup_.categories.empty()) {
    catBox_->setCurrentRow(0);
    LoadInSyns(lookup_.categories.front());
  }
}

void ThesaurusDialog::LoadInSyns(const ThesCategory& category) {
  defBox_->clear();
  for (const std::string& s : category.synonyms) defBox_->addItem(ToQString(s));
  if (defBox_->count() > 0) defBox_->setCurrentRow(0);
  accept_->setEnabled(defBox_->count() > 0);
}

void ThesaurusDialog::CatBoxClick() {
  const int row = catBox_->currentRow();
  if (row < 0 || row >= static_cast<int>(lookup_.categories.size())) return;
  antBox_->clearSelection();
  antBox_->setCurrentRow(-1);
  LoadInSyns(lookup_.categories[row]);
}

void ThesaurusDialog::AntBoxClick() {
  const int row = antBox_->currentRow();
  if (row < 0 || row >= static_cast<int>(lookup_.antonyms.size())) return;
  catBox_->clearSelection();
  catBox_->setCurrentRow(-1);
  LoadInSyns(lookup_.antonyms[row]);
}

void ThesaurusDialog::DefBoxDoubleClick() {
  QListWidgetItem* item = defBox_->currentItem();
  if (!item) return;
  theWord_->setText(item->text());
  LookUpWord();
}

void ThesaurusDialog::LookUpClick() {
  LookUpWord();
}

void ThesaurusDialog::AcceptClick() {
  const std::optional<std::string> chosen = ChosenReplacement(defBox_);
  if (!chosen) return;
  result_ = chosen;
  accept();
}

void ThesaurusDialog::AbortClick() {
  result_.reset();
  reject();
}

void ThesaurusDialog::SuggestClick() {
  if (!thesaurus_) return;
  const std::string word = Trim(FromQString(theWord_->text()));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::vector<std::string> suggestions = thesaurus_->Suggest(word);
  QApplication::restoreOverrideCursor();
  if (suggestions.empty()) {
    ShowMessage(tr("No suggestions found for the word %1.").arg(ToQString(word)), "Error");
    return;
  }
  ThesaurusSuggestionsDialog dialog(word, suggestions, this);
  runSuggestions_(dialog);
  if (!dialog.Result()) return;
  theWord_->setText(ToQString(*dialog.Result()));
  LookUpWord();
}

}  // namespace gw
