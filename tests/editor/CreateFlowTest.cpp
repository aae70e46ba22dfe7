// From a word list to a stored puzzle: "&Create", the candidate window and the save.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "base/Random.h"
#include "base/Settings.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "generator/CandidateWindow.h"
#include "generator/FillLetters.h"
#include "generator/GenerationProgressWindow.h"
#include "generator/OffensiveWords.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

using test::ModalScript;

class CreateFlowTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    // The shape library: a 15 x 15 square (record 0) and a 30 x 10 band (record 1).
    ShapeRecord shape;
    MakeNewShape(shape);
    shape.shapeName.Set("Square");
    shape.shapeWidth = shape.shapeHeight = 15;
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
    shape.shapeName.Set("Band");
    shape.shapeWidth = 30;
    shape.shapeHeight = 10;
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
    AppSettings().lastShape = 0;
    host_.state.paths = paths_;
    host_.state.groupFile = dir_.File("G.QL3");
    host_.state.newPuzzle = true;
    InitNewPuzzle(*host_.state.currentPuzzle);
    MakeBuiltInDefaultLayout(host_.state.currentPuzzle->pageLayout);
  }

  std::unique_ptr<WordListEditor> Open(const std::vector<std::string>& words) {
    auto editor = std::make_unique<WordListEditor>(host_, "Create New Puzzle");
    editor->FormShow();
    editor->findChild<QLineEdit*>("Title")->setText("Zoo Day");
    editor->findChild<QComboBox*>("Category")->setCurrentText("Animals");
    int row = 1;
    for (const std::string& w : words) {
      editor->Grid()->SetCell(WordGrid::kWord, row, QString::fromStdString(w));
      editor->Grid()->SetCell(WordGrid::kClue, row, QString::fromStdString("clue " + w));
      row += 2;  // blank rows in between close up
    }
    return editor;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::FakeHost host_;
  test::ScriptedSeams seams_;
};

TEST_F(CreateFlowTest, ChecksComeInOrderAndStopBeforeGenerating) {
  auto e = Open({"LION"});
  e->findChild<QLineEdit*>("Title")->setText("  ");
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(), "No title specified.  Please correct.");
  seams_.Clear();
  e->findChild<QLineEdit*>("Title")->setText("Zoo");
  e->findChild<QLineEdit*>("Attempts")->setText("0");
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(), "Attempts must be between 1 and 999.  Please correct.");
  seams_.Clear();
  e->findChild<QLineEdit*>("Attempts")->setText("1");
  e->Grid()->SetCell(WordGrid::kWord, 1, "");
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(), "No words have been entered.  Please correct.");
}

TEST_F(CreateFlowTest, AWordLongerThanTheShapeStopsCreateOnItsRow) {
  auto e = Open({"LION", "HIPPOPOTAMUSESSS"});  // 16 letters, rows 1 and 3
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(),
            "Word is greater than puzzle dimension size of 15 characters in \"HIPPOPOTAMUSESSS\".");
  EXPECT_EQ(e->Grid()->currentRow(), 2);
  EXPECT_EQ(e->Grid()->currentColumn(), WordGrid::kWord);
  EXPECT_EQ(AppSettings().attempts, 1);
  EXPECT_EQ(host_.state.currentPuzzle->wordCount, 2);
}

TEST_F(CreateFlowTest, AControlCharacterStopsCreateOnItsRowAndCell) {
  auto e = Open({"LION", "TIGER", "ZEBRA"});  // rows 1, 3 and 5
  e->Grid()->SetCell(WordGrid::kClue, 5, QString("black and\twhite"));
  // Should Create run regardless, its candidate window is closed rather than left waiting.
  bool generated = false;
  ModalScript guard({[&] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    generated = true;
    window->reject();
    return true;
  }});
  e->CreateItClick();
  EXPECT_FALSE(generated);
  EXPECT_EQ(seams_.Single(),
            "The clue in row 5 holds a control character (such as a tab or a line break).  "
            "Please correct.");
  EXPECT_EQ(e->Grid()->currentRow(), 4);
  EXPECT_EQ(e->Grid()->currentColumn(), WordGrid::kClue);
  EXPECT_EQ(host_.state.candidates[0].score, 0);
}

TEST_F(CreateFlowTest, AnOffensiveListThatCannotBeReadLeavesTheBuiltInOne) {
  std::filesystem::create_directory(paths_.ProgramFile("BADLIST.TXT"));
  auto e = Open({"LION", "TIGER"});
  ModalScript script({[] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    window->reject();
    return true;
  }});
  e->CreateItClick();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_GT(host_.state.candidates[0].score, 0);
}

TEST_F(CreateFlowTest, AWideShapeTakesTheLongWordAndOneAttemptFillsOneSlot) {
  AppSettings().lastShape = 1;
  auto e = Open({"LION", "HIPPOPOTAMUSESSS"});
  ModalScript script({[] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    EXPECT_EQ(window->SelectedSlot(), 1);
    EXPECT_FALSE(window->findChild<QLabel*>("CandidateLabel1")->isHidden());
    EXPECT_TRUE(window->findChild<QLabel*>("CandidateLabel2")->isHidden());
    window->reject();
    return true;
  }});
  e->CreateItClick();
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_GT(host_.state.candidates[0].score, 0);
  EXPECT_EQ(host_.state.candidates[1].score, 0);
  EXPECT_EQ(host_.state.currentPuzzle->gridWidth, 30);
  EXPECT_EQ(test::FileSize(host_.state.groupFile), -1);  // cancelled: nothing stored
}

TEST_F(CreateFlowTest, AWordLeftOutSaysWhyInTheCandidateWindowAndTheEditorSaidSoBefore) {
  // The 30 x 10 band with words that may only run up or down: the long word cannot go in.
  AppSettings().lastShape = 1;
  AppSettings().directions.fill(false);
  AppSettings().directions[kDown] = AppSettings().directions[kUp] = true;
  auto e = Open({"LION", "HIPPOPOTAMUSESSS"});
  auto* line = e->findChild<QLabel*>("FitEstimate");
  for (int i = 0; i < 2000 && e->FitEstimatePending(); ++i) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
  EXPECT_EQ(line->text().toStdString(), "About 1 of 2 words will fit");

  const std::string reason =
      "longer than any line of the shape in the chosen directions (longest line: 10)";
  ModalScript script({[&] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    auto* excluded = window->findChild<QListWidget*>("ExcludedWords");
    EXPECT_EQ(excluded->count(), 1);
    if (excluded->count() == 1) {
      EXPECT_EQ(excluded->item(0)->toolTip().toStdString(), reason);
      excluded->setCurrentRow(0);
      EXPECT_EQ(window->findChild<QLabel*>("WhyText")->text().toStdString(),
                "HIPPOPOTAMUSESSS: " + reason);
    }
    const std::string tips = window->findChild<QLabel*>("SuggestionsText")->text().toStdString();
    EXPECT_NE(tips.find("Switching on Right and Left would give lines of up to 30 letters, "
                        "enough for HIPPOPOTAMUSESSS."),
              std::string::npos)
        << tips;
    window->reject();
    return true;
  }});
  e->CreateItClick();
  EXPECT_TRUE(script.Finished());
}

TEST_F(CreateFlowTest, RepeatedWordsAskBeforeGenerating) {
  auto e = Open({"LION", "lion", "TIGER", "Ti ger", "ZEBRA"});
  int candidateWindows = 0;
  ModalScript closer({[&] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    ++candidateWindows;
    window->reject();
    return true;
  }});
  seams_.Answer(MsgResult::No);
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(), "The words LION, TIGER appear more than once.  Continue?");
  EXPECT_EQ(seams_.Messages()[0].caption, "Warning");
  EXPECT_EQ(seams_.Messages()[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(candidateWindows, 0);
  EXPECT_EQ(e->Grid()->currentRow(), 2);  // the first repeat, "lion", in row 3
  EXPECT_EQ(e->Grid()->currentColumn(), WordGrid::kWord);

  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  e->CreateItClick();
  EXPECT_EQ(seams_.Single(), "The words LION, TIGER appear more than once.  Continue?");
  EXPECT_EQ(candidateWindows, 1);
  EXPECT_GT(host_.state.candidates[0].score, 0);
}

TEST_F(CreateFlowTest, OneAttemptGivenUpOnRefusedTriesSaysWhy) {
  // A hand-written entry ending in a space: a Q beside an empty cell, which every grid has.
  test::WriteText(paths_.ProgramFile("BADLIST.TXT"), "q \n");
  auto e = Open({"QUIZ", "LION"});
  ModalScript closer({[] {
    auto* window = ModalScript::Visible<CandidateWindow>();
    if (!window) return false;
    window->reject();
    return true;
  }});
  e->CreateItClick();
  EXPECT_TRUE(closer.Finished());
  EXPECT_EQ(seams_.Single(),
            "Offensive-word screening refused every attempt, so no puzzle could be made.");
  EXPECT_EQ(seams_.Messages()[0].caption, "Notice");
  EXPECT_EQ(host_.state.candidates[0].score, 0);
}

TEST_F(CreateFlowTest, WholeRunFromWordsToAStoredPuzzleWithAPhrase) {
  GlobalRandom().Seed(5);
  auto e = Open({"LION", "TIGER", "ZEBRA", "GIRAFFE", "ELEPHANT", "MONKEY", "HIPPO", "RHINO"});
  e->findChild<QLineEdit*>("Attempts")->setText("40");
  std::string phrase;
  ModalScript script({
      [] {  // the progress window finishes its run; "&Ok" closes it
        auto* progress = ModalScript::Visible<GenerationProgressWindow>();
        if (!progress || progress->Running() || !progress->CompletedShown()) return false;
        progress->CancelClick();
        return true;
      },
      [&] {  // pick the second best, hide a phrase in it, save
        auto* window = ModalScript::Visible<CandidateWindow>();
        if (!window) return false;
        window->SelectSlot(2);
        EXPECT_EQ(window->SelectedSlot(), 2);
        // A phrase that spells nothing offensive with this grid's letters.
        const PuzzleRecord& candidate = *host_.state.candidates[1].record;
        const int empty = EmptyCellCount(candidate);
        const OffensiveScreen screen(LoadOffensiveList(paths_));
        for (int shift = 0; shift < 100; ++shift) {
          phrase.clear();
          for (int i = 0; i < empty; ++i) phrase += "quietzebra"[(i * 7 + shift) % 10];
          PuzzleRecord trial = candidate;
          PlacePhrase(trial, phrase);
          if (!screen.Finds(trial)) break;
        }
        window->findChild<QCheckBox*>("IncludeHidden")->setChecked(true);
        window->findChild<QLineEdit*>("HiddenPhrase")->setText(QString::fromStdString(phrase));
        window->SaveClick();
        return true;
      },
  });
  e->CreateItClick();
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(AppSettings().attempts, 40);
  EXPECT_EQ(host_.saved, 1);
  EXPECT_EQ(e->result(), QDialog::Accepted);  // the editor closes with the candidate window

  PuzzleRecord p;
  ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 0, p));
  EXPECT_EQ(p.title.Get(), "Zoo Day");
  EXPECT_EQ(p.category.Get(), "Animals");
  EXPECT_EQ(p.puzzleGenerated, 1);
  EXPECT_EQ(p.version.Get(), "3.0");
  EXPECT_EQ(p.hiddenPhraseUsed, 1);
  EXPECT_EQ(p.wordCount, host_.state.candidates[1].score);
  // Placed words read from start to end; clues moved with their words.
  for (int i = 1; i <= p.wordCount; ++i) {
    EXPECT_EQ(p.wordPlaced[i - 1], 1);
    EXPECT_EQ(p.Clue(i).Get(), "clue " + p.Word(i).Get());
    const int s = p.wordStart[i - 1], end = p.wordEnd[i - 1];
    const int n = static_cast<int>(p.Word(i).Size());
    const int step = n > 1 ? (end - s) / (n - 1) : 0;
    for (int k = 0; k < n; ++k) EXPECT_EQ(p.Letter(s + k * step), p.Word(i).Get()[k]);
  }
  // The fill letters spell the phrase in reading order, and nothing offensive shows anywhere.
  std::string read;
  for (int r = 1; r <= p.gridHeight; ++r)
    for (int c = 1; c <= p.gridWidth; ++c)
      if (p.Letter(CellIndex(r, c)) == ' ') read += static_cast<char>(p.Fill(CellIndex(r, c)) + 32);
  EXPECT_EQ(read, phrase);
  EXPECT_FALSE(OffensiveScreen(LoadOffensiveList(paths_)).Finds(p));
}

}  // namespace
}  // namespace gw
