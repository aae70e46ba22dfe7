// The editor's "&Spell Check" and "&Thesaurus" with their dialogs, as a user goes through them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "base/Settings.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "language/LanguageChooser.h"
#include "language/SpellingDialog.h"
#include "language/ThesaurusDialog.h"
#include "language/UserLexicon.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

using test::ModalScript;

constexpr long kBritish = 2;

// Clicks a button of the visible window of type T; false while there is none.
template <typename T>
std::function<bool()> Press(const char* button, std::function<void(T&)> before = {}) {
  return [button, before] {
    T* window = ModalScript::Visible<T>();
    if (!window) return false;
    if (before) before(*window);
    window->template findChild<QPushButton*>(QString::fromLatin1(button))->click();
    return true;
  };
}

class LanguageToolsTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    host_.state.paths = paths_;
    host_.state.groupFile = dir_.File("G.QL3");
    ShapeRecord shape;
    MakeNewShape(shape);
    shape.shapeName.Set("Square");
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
  }

  std::unique_ptr<WordListEditor> Open(bool newPuzzle, const std::vector<SpellRow>& rows) {
    PuzzleRecord& p = *host_.state.currentPuzzle;
    InitNewPuzzle(p);
    MakeBuiltInDefaultLayout(p.pageLayout);
    for (size_t i = 0; i < rows.size(); ++i) {
      p.Word(static_cast<int>(i) + 1).Set(rows[i].word);
      p.Clue(static_cast<int>(i) + 1).Set(rows[i].clue);
    }
    host_.state.newPuzzle = newPuzzle;
    auto editor = std::make_unique<WordListEditor>(host_, "Create New Puzzle");
    editor->FormShow();
    for (const std::string& t : seams_.Texts()) ADD_FAILURE() << "opening said: " << t;
    seams_.Clear();
    return editor;
  }
  std::string Cell(WordListEditor& e, int column, int row) {
    return e.Grid()->Cell(column, row).toStdString();
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::FakeHost host_;
  test::ScriptedSeams seams_;
};

TEST_F(LanguageToolsTest, ABritishCheckFixesThreeWordsAndLearnsAPupilsName) {
  AppSettings().dictionary = kBritish;
  auto e = Open(true, {{"ELEFANT", "A larg grey animal"},
                       {"GIRAFE", "Tall, with a long neck"},
                       {"KWAMELLA", "Our class's best speller"}});
  ModalScript script({Press<SpellingDialog>("ReplaceButton"),
                      Press<SpellingDialog>("ReplaceButton"), Press<SpellingDialog>("AddButton"),
                      Press<SpellingDialog>("ReplaceButton", [](SpellingDialog& d) {
                        EXPECT_EQ(d.findChild<QLabel*>("TheWord")->text(), "larg");
                        // The teacher's pick, wherever the dictionary puts it.
                        QListWidget* list = d.findChild<QListWidget*>("SugList");
                        const auto found = list->findItems("large", Qt::MatchExactly);
                        ASSERT_FALSE(found.isEmpty());
                        list->setCurrentItem(found[0]);
                      })});
  e->SpellClueClick();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 1), "ELEPHANT");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 2), "GIRAFFE");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 3), "KWAMELLA");
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1), "A large grey animal");
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 2), "Tall, with a long neck");
  EXPECT_EQ(seams_.Single(), "Spell checking complete.");
  EXPECT_EQ(seams_.Messages()[0].caption, "Spelling Status");
  EXPECT_EQ(ReadLexicon(LexiconPath(paths_, kBritish, LexiconKind::Include)),
            std::vector<std::string>{"KWAMELLA"});

  // The name is known from now on, and so is every word.
  seams_.Clear();
  e->SpellClueClick();
  EXPECT_EQ(seams_.Single(), "All words were found in the dictionary.");
  EXPECT_EQ(seams_.Messages()[0].caption, "Spelling Ok");
}

TEST_F(LanguageToolsTest, ChoosingAtCheckTimeChecksInTheChosenLanguageAndComesBack) {
  AppSettings().dictionary = 9;
  AppSettings().userDictionary = 1;
  auto e = Open(true, {{"COLOUR", ""}, {"ELEFANT", ""}});
  ModalScript script({Press<SpellingLanguageDialog>(
                          "OkButton", [](SpellingLanguageDialog& c) { c.RadioClick(kBritish); }),
                      Press<SpellingDialog>("AbortButton", [](SpellingDialog& d) {
                        // COLOUR passed: the check ran in British.
                        EXPECT_EQ(d.findChild<QLabel*>("TheWord")->text(), "ELEFANT");
                      })});
  e->SpellClueClick();
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(seams_.Single(), "Spell checking aborted.");
  EXPECT_EQ(AppSettings().dictionary, 9);
  EXPECT_EQ(AppSettings().userDictionary, kBritish);
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 2), "ELEFANT");
}

TEST_F(LanguageToolsTest, AWordWithoutSuggestionsIsOnlyReported) {
  AppSettings().dictionary = 1;
  auto e = Open(false, {{"QQQXZZ", "qqqxzz"}});
  e->SpellClueClick();
  // A stored puzzle's word is not checked; its clue is.
  EXPECT_EQ(seams_.Texts(),
            (std::vector<std::string>{
                "qqqxzz was not found in the dictionary.  No suggestions could be found.",
                "Spell checking complete."}));
}

TEST_F(LanguageToolsTest, AnAcceptedSynonymReplacesTheWholeClue) {
  auto e = Open(true, {{"HAPPY", "something I typed before"}, {"ELEPHANT", ""}});
  // No current row: the button does nothing.
  e->Grid()->setCurrentCell(-1, -1);
  e->ThesClick();

  e->Grid()->setCurrentCell(0, WordGrid::kWord);
  std::string chosen;
  ModalScript script({[&] {
    // Once the lookup has filled the lists.
    auto* d = ModalScript::Visible<ThesaurusDialog>();
    QListWidget* def = d ? d->findChild<QListWidget*>("DefBox") : nullptr;
    if (!def || def->count() < 2) return false;
    def->setCurrentRow(1);
    chosen = def->currentItem()->text().toStdString();
    d->findChild<QPushButton*>("Accept")->click();
    return true;
  }});
  e->ThesClick();
  EXPECT_TRUE(script.Finished());
  ASSERT_FALSE(chosen.empty());
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1), chosen);

  // "A&bort" leaves the clue alone.
  ModalScript abort({Press<ThesaurusDialog>("AbortButton")});
  e->ThesClick();
  EXPECT_TRUE(abort.Finished());
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1), chosen);
}

TEST_F(LanguageToolsTest, NothingInstalledDisablesBothButtons) {
  paths_.dictionaryDir = paths_.thesaurusDir = dir_.Path();
  host_.state.paths = paths_;
  auto e = Open(true, {{"LION", ""}});
  EXPECT_FALSE(e->findChild<QPushButton*>("SpellClue")->isEnabled());
  EXPECT_FALSE(e->findChild<QPushButton*>("Thes")->isEnabled());

  // Installed, but clues hidden in a stored puzzle: nothing to check or to make.
  host_.state.paths = AppPaths{dir_.Path(), dir_.Path()};
  AppSettings().useClues = false;
  auto stored = Open(false, {{"LION", ""}});
  EXPECT_FALSE(stored->findChild<QPushButton*>("SpellClue")->isEnabled());
  EXPECT_FALSE(stored->findChild<QPushButton*>("Thes")->isEnabled());
  auto fresh = Open(true, {{"LION", ""}});
  EXPECT_TRUE(fresh->findChild<QPushButton*>("SpellClue")->isEnabled());
}

}  // namespace
}  // namespace gw
