// The spelling and thesaurus windows driven through their handlers and the scripted seams.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "language/LanguageChooser.h"
#include "language/SpellingDialog.h"
#include "language/ThesaurusDialog.h"
#include "language/ThesaurusSuggestionsDialog.h"
#include "language/UserDictionaryDialog.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kAmerican = 1, kBritish = 2, kChooseAtCheckTime = 9;

std::vector<std::string> Items(QListWidget* list) {
  std::vector<std::string> items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
  return items;
}

std::string Selected(QListWidget* list) {
  QListWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? item->text().toStdString() : "<none>";
}

class LanguageDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
  }
  template <typename T>
  static T* Find(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static void Click(QWidget& w, const char* button) { Find<QPushButton>(w, button)->click(); }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(LanguageDialogsTest, SuggestionDialogNeedsAChoiceToReplaceAndAddWritesTheIncludeList) {
  const std::string include = LexiconPath(paths_, kBritish, LexiconKind::Include);
  SpellingDialog dialog("British", include);
  dialog.Prepare("KWAMELLA", {"CAMELLIA", "CARAMEL"});
  EXPECT_EQ(Find<QLabel>(dialog, "NoticeLabel")->text().toStdString(),
            "The following word was not found in the British dictionary.  Suggestions are "
            "listed below.");
  EXPECT_EQ(Find<QLabel>(dialog, "TheWord")->text().toStdString(), "KWAMELLA");
  QListWidget* list = Find<QListWidget>(dialog, "SugList");
  EXPECT_EQ(Selected(list), "CAMELLIA");

  list->clearSelection();
  dialog.ReplaceButtonClick();
  EXPECT_EQ(seams_.Single(),
            "No replacement word has been selected.  Please choose a replacement first.");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
  list->setCurrentRow(1);
  dialog.ReplaceButtonClick();
  EXPECT_EQ(dialog.Answer().kind, SpellAnswer::Replace);
  EXPECT_EQ(dialog.Answer().replacement, "CARAMEL");

  // Each word starts afresh.
  dialog.Prepare("KWAMELLA", {"CAMELLIA"});
  EXPECT_EQ(dialog.Answer().kind, SpellAnswer::Ignore);
  dialog.AddButtonClick();
  EXPECT_EQ(dialog.Answer().kind, SpellAnswer::Add);
  EXPECT_EQ(ReadLexicon(include), std::vector<std::string>{"KWAMELLA"});
  dialog.Prepare("ZOE", {"ZOO"});
  dialog.AbortButtonClick();
  EXPECT_EQ(dialog.Answer().kind, SpellAnswer::Abort);
}

TEST_F(LanguageDialogsTest, MaintenanceStartsEmptyWithoutAListAndOkAlwaysWritesItWhole) {
  const std::string exclude = LexiconPath(paths_, kChooseAtCheckTime, LexiconKind::Exclude);
  EXPECT_EQ(exclude, dir_.File("ExcEngl.tlx"));  // choosing at check time keeps the American lists
  {
    UserDictionaryDialog box(paths_, kChooseAtCheckTime, LexiconKind::Exclude);
    EXPECT_EQ(Find<QLabel>(box, "HeadLabel")->text().toStdString(),
              "These words will be excluded from the  American dictionary and will be invalid.");
    EXPECT_TRUE(Items(Find<QListWidget>(box, "TheList")).empty());
    box.OkClick();
  }
  EXPECT_EQ(test::FileSize(exclude), 0);

  test::WriteText(LexiconPath(paths_, kBritish, LexiconKind::Include), "Kwamella\nOluwaseun\n");
  UserDictionaryDialog box(paths_, kBritish, LexiconKind::Include);
  EXPECT_EQ(Find<QLabel>(box, "HeadLabel")->text().toStdString(),
            "These words will be added to the British dictionary and counted as valid.");
  QListWidget* list = Find<QListWidget>(box, "TheList");
  EXPECT_EQ(Selected(list), "Kwamella");
  QLineEdit* add = Find<QLineEdit>(box, "AddInfo");
  add->setText("  Siobhan  ");
  box.AddClick();
  add->setText("   ");
  box.AddClick();
  add->setText("Kwamella");  // duplicates are the user's business
  box.AddClick();
  EXPECT_EQ(Items(list),
            (std::vector<std::string>{"Kwamella", "Oluwaseun", "Siobhan", "Kwamella"}));
  EXPECT_TRUE(add->text().isEmpty());

  list->setCurrentRow(3);
  box.DeleteClick();
  EXPECT_EQ(Selected(list), "Siobhan");  // the last went: the one before it
  list->setCurrentRow(0);
  box.DeleteClick();
  EXPECT_EQ(Selected(list), "Oluwaseun");  // the one now at the same place
  box.OkClick();
  EXPECT_EQ(ReadLexicon(LexiconPath(paths_, kBritish, LexiconKind::Include)),
            (std::vector<std::string>{"Oluwaseun", "Siobhan"}));
}

TEST_F(LanguageDialogsTest, AMaintenanceListThatCannotBeWrittenKeepsTheDialogOpen) {
  // A folder where the list would go: it cannot be written over.
  std::filesystem::create_directory(LexiconPath(paths_, kAmerican, LexiconKind::Include));
  UserDictionaryDialog box(paths_, kAmerican, LexiconKind::Include);
  Find<QLineEdit>(box, "AddInfo")->setText("Kwamella");
  box.AddClick();
  box.OkClick();
  ASSERT_EQ(seams_.Messages().size(), 1u);
  EXPECT_EQ(seams_.Messages()[0].caption, "Disk Error");
  EXPECT_EQ(box.result(), QDialog::Rejected);
  EXPECT_EQ(Items(Find<QListWidget>(box, "TheList")), std::vector<std::string>{"Kwamella"});
}

TEST_F(LanguageDialogsTest, ChoosersOfferWhatIsInstalledAndRememberEveryClick) {
  std::array<bool, 9> installed{false, true, false, true, true, true, true, true, false};
  long remembered = 2;  // British, not installed: the first installed one stands in
  SpellingLanguageDialog spell(installed, remembered);
  EXPECT_EQ(spell.windowTitle().toStdString(), "Spell Check");
  EXPECT_FALSE(Find<QRadioButton>(spell, "British")->isEnabled());
  EXPECT_FALSE(Find<QRadioButton>(spell, "Swedish")->isEnabled());
  EXPECT_EQ(Find<QRadioButton>(spell, "Swedish")->text().toStdString(), "S&wedish");
  EXPECT_EQ(spell.Chosen(), 1);
  spell.RadioClick(6);
  EXPECT_EQ(remembered, 6);
  EXPECT_EQ(spell.Chosen(), 6);

  long thesaurus = 2;
  ThesaurusLanguageDialog thes({false, true, true}, thesaurus);
  EXPECT_EQ(thes.windowTitle().toStdString(), "Thesaurus");
  EXPECT_TRUE(Find<QRadioButton>(thes, "British")->isChecked());
}

TEST_F(LanguageDialogsTest, LookupListsMeaningsAntonymsAndSynonymsAndAcceptTakesOne) {
  ThesaurusDialog dialog(paths_, kAmerican, "happy");
  dialog.FormShow();
  QListWidget* cat = Find<QListWidget>(dialog, "CatBox");
  QListWidget* ant = Find<QListWidget>(dialog, "AntBox");
  QListWidget* def = Find<QListWidget>(dialog, "DefBox");
  QPushButton* accept = Find<QPushButton>(dialog, "Accept");
  ASSERT_GE(cat->count(), 2);
  EXPECT_EQ(Selected(cat), "happy (adjective)");
  EXPECT_EQ(Items(ant), std::vector<std::string>{"unhappy (adjective)"});
  EXPECT_GT(def->count(), 0);
  EXPECT_EQ(def->currentRow(), 0);
  EXPECT_TRUE(accept->isEnabled());

  cat->setCurrentRow(2);
  dialog.CatBoxClick();
  const std::vector<std::string> third = Items(def);
  ant->setCurrentRow(0);
  dialog.AntBoxClick();
  EXPECT_EQ(Selected(cat), "<none>");
  EXPECT_NE(Items(def), third);

  // A meaning with nothing to offer leaves nothing to accept.
  dialog.LoadInSyns({"lonely", "adj", {}});
  EXPECT_FALSE(accept->isEnabled());
  dialog.LoadInSyns({"glad", "adj", {"glad", "willing"}});
  EXPECT_TRUE(accept->isEnabled());
  def->clearSelection();
  dialog.AcceptClick();
  EXPECT_EQ(seams_.Single(),
            "No replacement word has been selected.  Please choose a replacement first.");
  EXPECT_FALSE(dialog.Result());
  def->setCurrentRow(1);
  dialog.AcceptClick();
  EXPECT_EQ(dialog.Result(), std::optional<std::string>("willing"));
}

TEST_F(LanguageDialogsTest, AnUnknownWordWarnsAndSuggestionsLeadToALookup) {
  ThesaurusDialog dialog(paths_, kAmerican, "GIRAFFES");
  dialog.FormShow();
  EXPECT_EQ(seams_.Single(),
            "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.");
  EXPECT_EQ(Find<QListWidget>(dialog, "CatBox")->count(), 0);
  EXPECT_FALSE(Find<QPushButton>(dialog, "Accept")->isEnabled());

  std::vector<std::string> offered;
  dialog.SetSuggestionRunner([&](ThesaurusSuggestionsDialog& sugs) {
    EXPECT_EQ(Find<QLabel>(sugs, "WordLabel")->text().toStdString(), "GIRAFFES");
    offered = Items(Find<QListWidget>(sugs, "SugBox"));
    sugs.OkClick();
  });
  dialog.SuggestClick();
  ASSERT_FALSE(offered.empty());
  EXPECT_EQ(Find<QLineEdit>(dialog, "TheWord")->text().toStdString(), offered[0]);
  EXPECT_GT(Find<QListWidget>(dialog, "CatBox")->count(), 0);

  seams_.Clear();
  Find<QLineEdit>(dialog, "TheWord")->setText("qqqqxxxzzz");
  dialog.SuggestClick();
  EXPECT_EQ(seams_.Single(), "No suggestions found for the word qqqqxxxzzz.");

  // Double-clicking a synonym looks it up.
  Find<QLineEdit>(dialog, "TheWord")->setText("happy");
  dialog.LookUpClick();
  QListWidget* def = Find<QListWidget>(dialog, "DefBox");
  def->setCurrentRow(0);
  const std::string synonym = Selected(def);
  dialog.DefBoxDoubleClick();
  EXPECT_EQ(Find<QLineEdit>(dialog, "TheWord")->text().toStdString(), synonym);
}

TEST_F(LanguageDialogsTest, SuggestionOkWantsAChoice) {
  ThesaurusSuggestionsDialog sugs("elefant", {"elephant"});
  sugs.findChild<QListWidget*>("SugBox")->clearSelection();
  sugs.OkClick();
  EXPECT_EQ(seams_.Single(),
            "No replacement word has been selected.  Please choose a replacement first.");
  EXPECT_FALSE(sugs.Result());
  sugs.findChild<QListWidget*>("SugBox")->setCurrentRow(0);
  sugs.OkClick();
  EXPECT_EQ(sugs.Result(), std::optional<std::string>("elephant"));
}

TEST_F(LanguageDialogsTest, AMissingThesaurusSaysSoAndTheButtonsLeaveTheEngineAlone) {
  paths_.thesaurusDir = dir_.Path();
  ThesaurusDialog dialog(paths_, kAmerican, "happy");
  dialog.FormShow();
  EXPECT_EQ(seams_.Single(), "Could not find the Thesaurus file.");
  seams_.Clear();
  dialog.LookUpClick();
  dialog.SuggestClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Find<QListWidget>(dialog, "CatBox")->count(), 0);
}

}  // namespace
}  // namespace gw
