// The candidate window: four slots, selection, word lists, phrase controls and saving.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstring>

#include "base/Settings.h"
#include "base/TextUtils.h"
#include "generator/CandidatePreview.h"
#include "generator/CandidateWindow.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

// A candidate of `size` x `size` whose placed words run along the first rows; `unplaced`
// words follow them, as a generation leaves its word order.
void MakeCandidate(CandidateSlot& slot, int size, const std::vector<std::string>& placed,
                   const std::vector<std::string>& unplaced) {
  PuzzleRecord& p = *slot.record;
  InitNewPuzzle(p);
  MakeBuiltInDefaultLayout(p.pageLayout);
  p.title.Set("Pets");
  p.category.Set("Animals");
  p.gridWidth = p.gridHeight = static_cast<int16_t>(size);
  std::memset(p.letterGrid, 0, sizeof p.letterGrid);
  for (int r = 1; r <= size; ++r)
    for (int c = 1; c <= size; ++c) p.Letter(CellIndex(r, c)) = ' ';
  int i = 0;
  for (const std::string& w : placed) {
    ++i;
    p.Word(i).Set(w);
    for (size_t k = 0; k < w.size(); ++k) p.Letter(CellIndex(i, 1 + static_cast<int>(k))) = w[k];
    p.wordStart[i - 1] = static_cast<int16_t>(CellIndex(i, 1));
    p.wordEnd[i - 1] = static_cast<int16_t>(CellIndex(i, static_cast<int>(w.size())));
    slot.placed[i - 1] = 1;
  }
  p.wordCount = static_cast<int16_t>(i);
  for (const std::string& w : unplaced) {
    ++i;
    p.Word(i).Set(w);
    slot.placed[i - 1] = 0;
  }
  slot.score = static_cast<int>(placed.size());
}

class CandidateWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    AppSettings() = SettingsValues::Defaults(AppPaths{dir_.Path(), dir_.Path()});
    host_.state.paths = AppPaths{dir_.Path(), dir_.Path()};
    host_.state.groupFile = dir_.File("G.QL3");
    host_.state.newPuzzle = true;
    // The word list the run was made from: five words.
    PuzzleRecord& list = *host_.state.currentPuzzle;
    InitNewPuzzle(list);
    const char* words[] = {"CAT", "DOG", "HAMSTER", "PARROT", "RABBIT"};
    for (int i = 1; i <= 5; ++i) list.Word(i).Set(words[i - 1]);
    list.wordCount = 5;
    for (CandidateSlot& s : slots_) s.score = 0;
  }

  template <typename T>
  static T* Find(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static std::vector<std::string> Items(QListWidget* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    return items;
  }

  test::TempDir dir_;
  test::FakeHost host_;
  CandidateSlots slots_;
  test::ScriptedSeams seams_;
};

TEST_F(CandidateWindowTest, OneFilledSlotShowsOneLabelAndSelectsIt) {
  MakeCandidate(slots_[0], 10, {"CAT", "DOG", "PARROT", "RABBIT", "HAMSTER"}, {});
  CandidateWindow window(host_, slots_);
  window.FormShow();
  EXPECT_EQ(window.windowTitle().toStdString(), "Created Puzzle");
  EXPECT_FALSE(Find<QLabel>(window, "CandidateLabel1")->isHidden());
  for (const char* name : {"CandidateLabel2", "CandidateLabel3", "CandidateLabel4"})
    EXPECT_TRUE(Find<QLabel>(window, name)->isHidden()) << name;
  EXPECT_EQ(window.SelectedSlot(), 1);
  EXPECT_EQ(Find<QLabel>(window, "IncWordsLabel")->text().toStdString(), "5 Included Words");
  EXPECT_EQ(Find<QLabel>(window, "ExcWordsLabel")->text().toStdString(), "0 Excluded Words");
  window.SelectSlot(3);  // empty: cannot be chosen
  EXPECT_EQ(window.SelectedSlot(), 1);
}

TEST_F(CandidateWindowTest, SelectingAnotherSlotRefreshesListsAndEmptyCells) {
  MakeCandidate(slots_[0], 10, {"CAT", "DOG", "PARROT", "RABBIT"}, {"HAMSTER"});
  MakeCandidate(slots_[1], 10, {"CAT", "DOG", "PARROT"}, {"HAMSTER", "RABBIT"});
  CandidateWindow window(host_, slots_);
  window.FormShow();
  EXPECT_EQ(Find<QLabel>(window, "ExcWordsLabel")->text().toStdString(), "1 Excluded Word");
  window.SelectSlot(2);
  EXPECT_EQ(window.SelectedSlot(), 2);
  EXPECT_EQ(Items(Find<QListWidget>(window, "IncludedWords")),
            (std::vector<std::string>{"CAT", "DOG", "PARROT"}));
  EXPECT_EQ(Items(Find<QListWidget>(window, "ExcludedWords")),
            (std::vector<std::string>{"HAMSTER", "RABBIT"}));
  EXPECT_EQ(Find<QLabel>(window, "IncWordsLabel")->text().toStdString(), "3 Included Words");
  EXPECT_EQ(Find<QLabel>(window, "NumChars")->text().toStdString(), "88 Chars");  // 100 - 12
  EXPECT_EQ(Find<QLineEdit>(window, "HiddenPhrase")->maxLength(), 88);
  EXPECT_EQ(Find<QLabel>(window, "CandidateLabel2")->palette().color(QPalette::Window),
            QColor(255, 0, 0));
  EXPECT_NE(Find<QLabel>(window, "CandidateLabel1")->palette().color(QPalette::Window),
            QColor(255, 0, 0));
}

TEST_F(CandidateWindowTest, ManyEmptyCellsDisableThePhrase) {
  MakeCandidate(slots_[0], 18, {"CAT"}, {"DOG", "HAMSTER", "PARROT", "RABBIT"});  // 321 empty
  CandidateWindow window(host_, slots_);
  window.FormShow();
  EXPECT_FALSE(Find<QCheckBox>(window, "IncludeHidden")->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(window, "HiddenPhrase")->isEnabled());
  EXPECT_FALSE(Find<QCheckBox>(window, "IncludeHidden")->isChecked());
}

TEST_F(CandidateWindowTest, SavingLeftOutWordsAsksThenStoresThemAfterThePlacedOnes) {
  MakeCandidate(slots_[0], 10, {"CAT", "DOG", "PARROT"}, {"HAMSTER", "RABBIT"});
  CandidateWindow window(host_, slots_);
  window.FormShow();
  seams_.Answer(MsgResult::No);
  window.SaveClick();
  EXPECT_EQ(seams_.Single(), "One or more words did not fit into the puzzle.  Save Puzzle anyway?");
  EXPECT_EQ(test::FileSize(host_.state.groupFile), -1);
  EXPECT_FALSE(window.Saved());

  seams_.Answer(MsgResult::Yes);
  window.SaveClick();
  EXPECT_TRUE(window.Saved());
  EXPECT_EQ(host_.saved, 1);
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 0, stored));
  EXPECT_EQ(stored.wordCount, 3);
  EXPECT_EQ(stored.Word(4).Get(), "HAMSTER");
  EXPECT_EQ(stored.Word(5).Get(), "RABBIT");
  EXPECT_EQ(stored.wordPlaced[2], 1);
  EXPECT_EQ(stored.wordPlaced[3], 0);
  EXPECT_EQ(stored.puzzleGenerated, 1);
  EXPECT_EQ(stored.version.Get(), "3.0");
  EXPECT_EQ(stored.hiddenPhraseUsed, 0);
  for (int c = 4; c <= 10; ++c) {  // random fill letters in the empty cells
    const uint8_t f = stored.Fill(CellIndex(1, c));
    EXPECT_TRUE(f >= 'A' && f <= 'Z');
  }
}

TEST_F(CandidateWindowTest, ARefusedPhraseKeepsTheWindowOpenAndTheListIntact) {
  MakeCandidate(slots_[0], 6, {"CAT", "DOG", "PARROT"}, {"HAMSTER", "RABBIT"});  // 24 empty
  MakeCandidate(slots_[1], 6, {"CAT", "DOG"}, {"HAMSTER", "PARROT", "RABBIT"});
  CandidateWindow window(host_, slots_);
  window.FormShow();
  Find<QCheckBox>(window, "IncludeHidden")->setChecked(true);
  Find<QLineEdit>(window, "HiddenPhrase")->setText("too short");
  window.SaveClick();
  EXPECT_EQ(seams_.Single(), "Spaces were used in the hidden phrase.");
  seams_.Clear();
  Find<QLineEdit>(window, "HiddenPhrase")->setText("short");
  window.SaveClick();
  EXPECT_EQ(seams_.Single(),
            "24 characters are required for the hidden phrase.  You have entered 5 characters."
            "  Please change your phrase or select not to use a phrase.");
  EXPECT_FALSE(window.Saved());
  // The current puzzle now holds the candidate, yet the lists still cover all five words.
  window.SelectSlot(2);
  EXPECT_EQ(Find<QLabel>(window, "ExcWordsLabel")->text().toStdString(), "3 Excluded Words");

  // This phrase spells an offensive word with the placed letters: Yes means "let me change it".
  seams_.Clear();
  window.SelectSlot(1);
  Find<QLineEdit>(window, "HiddenPhrase")->setText("twentyfourcharacterslong");
  seams_.Answer(MsgResult::Yes);
  window.SaveClick();
  EXPECT_EQ(seams_.Single(),
            "The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you "
            "like to change the phrase?");
  EXPECT_FALSE(window.Saved());

  seams_.Clear();
  Find<QLineEdit>(window, "HiddenPhrase")->setText("quietlyzippingbymyzebras");
  seams_.Answer(MsgResult::Yes);  // save although two words did not fit
  window.SaveClick();
  ASSERT_TRUE(window.Saved()) << testing::PrintToString(seams_.Texts());
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 0, stored));
  EXPECT_EQ(stored.hiddenPhraseUsed, 1);
  std::string phrase;
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c)
      if (stored.Letter(CellIndex(r, c)) == ' ')
        phrase += static_cast<char>(stored.Fill(CellIndex(r, c)));
  EXPECT_EQ(phrase, "QUIETLYZIPPINGBYMYZEBRAS");
}

TEST_F(CandidateWindowTest, APhraseLongerThanTheSelectedSlotTakesIsKeptAndRefusedAtSave) {
  MakeCandidate(slots_[0], 6, {"CAT", "DOG", "PARROT"}, {"HAMSTER", "RABBIT"});  // 24 empty
  MakeCandidate(slots_[1], 6, {"CAT", "DOG", "PARROT", "RABBIT"}, {"HAMSTER"});  // 18 empty
  CandidateWindow window(host_, slots_);
  window.FormShow();
  auto* phrase = Find<QLineEdit>(window, "HiddenPhrase");
  Find<QCheckBox>(window, "IncludeHidden")->setChecked(true);
  const std::string typed = "quietlyzippingbymyzebras";
  phrase->setText(QString::fromStdString(typed));
  window.SelectSlot(2);
  EXPECT_EQ(phrase->text().toStdString(), typed);
  window.SaveClick();
  EXPECT_EQ(seams_.Single(),
            "18 characters are required for the hidden phrase.  You have entered 24 characters."
            "  Please change your phrase or select not to use a phrase.");
  EXPECT_FALSE(window.Saved());
  EXPECT_EQ(test::FileSize(host_.state.groupFile), -1);

  // Back on the slot it fits, the same phrase is stored whole.
  seams_.Clear();
  window.SelectSlot(1);
  EXPECT_EQ(phrase->text().toStdString(), typed);
  seams_.Answer(MsgResult::Yes);  // two words did not fit
  window.SaveClick();
  ASSERT_TRUE(window.Saved()) << testing::PrintToString(seams_.Texts());
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 0, stored));
  std::string hidden;
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c)
      if (stored.Letter(CellIndex(r, c)) == ' ')
        hidden += static_cast<char>(ToLowerAccented(stored.Fill(CellIndex(r, c))));
  EXPECT_EQ(hidden, typed);
}

TEST_F(CandidateWindowTest, AFailedSaveIsReportedAndKeepsTheWindowOpen) {
  MakeCandidate(slots_[0], 10, {"CAT", "DOG", "PARROT", "RABBIT", "HAMSTER"}, {});
  const std::string writable = host_.state.groupFile;
  host_.state.groupFile = dir_.File("missing/folder/G.QL3");  // cannot be written
  CandidateWindow window(host_, slots_);
  window.show();
  window.SaveClick();
  EXPECT_EQ(seams_.Single(), "Unable to save puzzle.");
  EXPECT_FALSE(window.Saved());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(host_.saved, 0);

  host_.state.groupFile = writable;
  window.SaveClick();
  EXPECT_TRUE(window.Saved());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ListGroup(writable).titles.size(), 1u);
}

TEST_F(CandidateWindowTest, NothingPlacedLeavesNothingToSave) {
  CandidateWindow window(host_, slots_);
  window.FormShow();
  EXPECT_EQ(window.SelectedSlot(), 0);
  EXPECT_FALSE(Find<QPushButton>(window, "Save")->isEnabled());
  EXPECT_EQ(Find<QLabel>(window, "ExcWordsLabel")->text().toStdString(), "5 Excluded Words");
  window.SaveClick();
  EXPECT_EQ(test::FileSize(host_.state.groupFile), -1);
}

TEST(CandidatePreview, DrawsWhiteCellsAndLettersOnlyForAScoredSlot) {
  CandidateSlot slot;
  MakeCandidate(slot, 10, {"CAT"}, {});
  QImage image(191, 191, QImage::Format_RGB32);
  DrawAPuzzle(image, *slot.record, 0);
  EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::white));  // score 0: empty
  DrawAPuzzle(image, *slot.record, 1);
  // 191 div 10 - 1 = 18-pixel cells: cell (10, 10) spans 163..179.
  EXPECT_EQ(image.pixelColor(170, 170), QColor(Qt::white));
  EXPECT_NE(image.pixelColor(185, 185), QColor(Qt::white));
  QFont font("Arial");
  font.setPointSize(PreviewFontSize(18));
  EXPECT_LT(QFontMetrics(font, &image).height(), 18);
  font.setPointSize(PreviewFontSize(18) + 1);
  EXPECT_GE(QFontMetrics(font, &image).height(), 18);
  EXPECT_EQ(PreviewFontSize(40), 20);
  EXPECT_EQ(PreviewFontSize(2), 4);
}

}  // namespace
}  // namespace gw
