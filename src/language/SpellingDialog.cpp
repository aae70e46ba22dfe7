// The spelling suggestion dialog and the check run it serves.
#include "language/SpellingDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "base/TextCodec.h"
#include "language/Availability.h"
#include "language/ChosenReplacement.h"
#include "language/UserLexicon.h"
#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

SpellingDialog::SpellingDialog(std::string languageName, std::string includePath, QWidget* parent)
    : QDialog(parent),
      languageName_(std::move(languageName)),
      includePath_(std::move(includePath)) {
  setWindowTitle(tr("Spelling Suggestions"));
  SetHelpTopic(this, "Spell check");
  resize(420, 292);
  setFont(DesignFont(15));
  noticeLabel_ = Named(new QLabel(this), "NoticeLabel", {12, 10, 396, 40});
  noticeLabel_->setWordWrap(true);
  theWord_ = Named(new QLabel(this), "TheWord", {12, 54, 396, 22});
  theWord_->setFont(DesignFont(15, true));
  theWord_->setProperty("gwKeepDesignFont", true);
  sugList_ = Named(new QListWidget(this), "SugList", {12, 80, 280, 200});
  sugList_->setAccessibleName(tr("Suggestions"));
  connect(sugList_, &QListWidget::itemDoubleClicked, this, [this] { ReplaceButtonClick(); });
  struct Button {
    const char* name;
    const char* text;
    void (SpellingDialog::*handler)();
  };
  const Button buttons[] = {
      {"ReplaceButton", QT_TR_NOOP("&Replace"), &SpellingDialog::ReplaceButtonClick},
      {"IgnoreButton", QT_TR_NOOP("&Ignore"), &SpellingDialog::IgnoreButtonClick},
      {"AddButton", QT_TR_NOOP("&Add"), &SpellingDialog::AddButtonClick},
      {"AbortButton", QT_TR_NOOP("A&bort"), &SpellingDialog::AbortButtonClick}};
  int y = 80;
  for (const Button& b : buttons) {
    auto* button = Named(new QPushButton(tr(b.text), this), b.name, {304, y, 104, 30});
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, b.handler);
    y += 38;
  }
  findChild<QPushButton*>(QStringLiteral("ReplaceButton"))->setDefault(true);
  // Scaled and centred once for the whole run.
  PlaceDialog(this, false);
}

void SpellingDialog::Prepare(const std::string& word, const std::vector<std::string>& suggestions) {
  word_ = word;
  answer_ = {};
  noticeLabel_->setText(
      tr("The following word was not found in the %1 dictionary.  Suggestions are listed below.")
          .arg(QCoreApplication::translate("gw::LanguageNames", languageName_.c_str())));
  theWord_->setText(ToQString(word));
  // Read out with the word it offers replacements for.
  sugList_->setAccessibleDescription(noticeLabel_->text() + QLatin1Char(' ') + theWord_->text());
  sugList_->clear();
  for (const std::string& s : suggestions) sugList_->addItem(ToQString(s));
  if (sugList_->count() > 0) sugList_->setCurrentRow(0);
  sugList_->setFocus();
}

void SpellingDialog::ReplaceButtonClick() {
  const std::optional<std::string> chosen = ChosenReplacement(sugList_);
  if (!chosen) return;
  answer_ = {SpellAnswer::Replace, *chosen};
  accept();
}

void SpellingDialog::IgnoreButtonClick() {
  answer_ = {SpellAnswer::Ignore, {}};
  accept();
}

void SpellingDialog::AbortButtonClick() {
  answer_ = {SpellAnswer::Abort, {}};
  accept();
}

void SpellingDialog::AddButtonClick() {
  const OpResult added = AddToLexicon(includePath_, word_);
  if (!added.ok) {
    // The list stays as it was; the word is only passed over this time.
    ShowMessage(added.message, added.caption);
    answer_ = {SpellAnswer::Ignore, {}};
  } else {
    answer_ = {SpellAnswer::Add, {}};
  }
  accept();
}

namespace {

// Asks through the suggestion dialog, created once for the run.
class DialogPrompt : public SpellPrompt {
 public:
  DialogPrompt(QWidget* parent, long language, const AppPaths& paths,
               const std::function<void(size_t)>& changed)
      : dialog_(DictionaryInfo(language).name, LexiconPath(paths, language, LexiconKind::Include),
                parent),
        changed_(changed) {}

  SpellAnswer Ask(const std::string& word, const std::vector<std::string>& suggestions) override {
    dialog_.Prepare(word, suggestions);
    // The window's close box passes the word over, like "&Ignore".
    if (dialog_.exec() != QDialog::Accepted) return {SpellAnswer::Ignore, {}};
    return dialog_.Answer();
  }
  void NoSuggestions(const std::string& word) override {
    ShowMessage(SpellingDialog::tr("%1 was not found in the dictionary.  No suggestions could be "
                                   "found.")
                    .arg(ToQString(word)),
                "Notice");
  }
  void Changed(size_t row) override {
    if (changed_) changed_(row);
  }

 private:
  SpellingDialog dialog_;
  const std::function<void(size_t)>& changed_;
};

}  // namespace

void RunSpellCheck(QWidget* parent, const AppPaths& paths, long language,
                   std::vector<SpellRow>& rows, bool checkWords,
                   const std::function<void(size_t)>& changed) {
  const std::unique_ptr<Speller> speller = OpenSpeller(paths, language);
  if (!speller) {
    ShowMessage(SpellingDialog::tr("Could not find one of the dictionary files."), "Error");
    return;
  }
  DialogPrompt dialogs(parent, language, paths, changed);
  const SpellRunResult result = CheckSpelling(rows, checkWords, *speller, dialogs);
  // The message box itself is read out when it opens; the window behind it keeps the outcome
  // for a screen reader that comes back to it.
  const QString outcome = !result.anyUnknown
                              ? SpellingDialog::tr("All words were found in the dictionary.")
                          : result.aborted ? SpellingDialog::tr("Spell checking aborted.")
                                           : SpellingDialog::tr("Spell checking complete.");
  if (parent) AnnounceStatus(parent, outcome);
  ShowMessage(outcome, result.anyUnknown ? "Spelling Status" : "Spelling Ok");
}

}  // namespace gw
