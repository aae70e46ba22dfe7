// The thesaurus lookup: a word's meanings, antonyms and synonyms; an accepted synonym becomes a
// clue.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "language/Thesaurus.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace gw {

class ThesaurusSuggestionsDialog;

class ThesaurusDialog : public QDialog {
  Q_OBJECT

 public:
  // `thesaurus` is 1 (American) or 2 (British); the thesaurus is opened and `word` looked up once
  // the dialog is on the screen (FormShow).
  ThesaurusDialog(const AppPaths& paths, long thesaurus, const std::string& word,
                  QWidget* parent = nullptr);
  ~ThesaurusDialog() override;

  void FormShow();
  bool OpenThes();
  void LookUpWord();
  void LoadInSyns(const ThesCategory& category);
  void CatBoxClick();
  void AntBoxClick();
  void DefBoxDoubleClick();
  void LookUpClick();
  void AcceptClick();
  void AbortClick();
  void SuggestClick();

  // The accepted synonym; nothing after "A&bort".
  const std::optional<std::string>& Result() const { return result_; }

  // How the suggestion dialog is run (tests answer it themselves).
  using SuggestionRunner = std::function<void(ThesaurusSuggestionsDialog&)>;
  void SetSuggestionRunner(SuggestionRunner runner) { runSuggestions_ = std::move(runner); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppPaths paths_;
  long language_;
  bool shown_ = false;
  std::unique_ptr<Thesaurus> thesaurus_;
  ThesLookup lookup_;
  std::optional<std::string> result_;
  SuggestionRunner runSuggestions_;

  QLineEdit* theWord_;
  QListWidget* catBox_;
  QListWidget* antBox_;
  QListWidget* defBox_;
  QPushButton* accept_;
};

}  // namespace gw
