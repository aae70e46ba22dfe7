// The word list editor driven as a user would, through the seams.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/MainWindow.h"
#include "base/Settings.h"
#include "designer/LayoutLibraryDialog.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "generator/HiddenPhraseDialog.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeListView.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

class WordListEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    host_.state.paths = paths_;
    host_.state.groupFile = AppSettings().lastGroup;
    // A small shape library: a 20 x 10 band, then a 12 x 12 square.
    ShapeRecord shape;
    MakeNewShape(shape);
    shape.shapeName.Set("Band");
    shape.shapeWidth = 20;
    shape.shapeHeight = 10;
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
    shape.shapeName.Set("Square");
    shape.shapeWidth = shape.shapeHeight = 12;
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
  }

  // A stored puzzle with placed words, as a generation leaves it.
  PuzzleRecord StoredPuzzle() {
    PuzzleRecord p;
    InitNewPuzzle(p);
    MakeBuiltInDefaultLayout(p.pageLayout);
    p.title.Set("Farm");
    p.category.Set("Animals");
    p.bonusQuestion.Set("Which one says moo?");
    const char* words[] = {"COW", "HEN", "PIG", "GOAT"};
    for (int i = 1; i <= 4; ++i) {
      p.Word(i).Set(words[i - 1]);
      p.Clue(i).Set(std::string("clue ") + words[i - 1]);
    }
    p.wordCount = 3;
    p.wordPlaced[0] = p.wordPlaced[1] = p.wordPlaced[2] = 1;
    p.puzzleGenerated = 1;
    return p;
  }

  std::unique_ptr<WordListEditor> OpenNew() {
    InitNewPuzzle(*host_.state.currentPuzzle);
    MakeBuiltInDefaultLayout(host_.state.currentPuzzle->pageLayout);
    host_.state.newPuzzle = true;
    auto editor = std::make_unique<WordListEditor>(host_, "Create New Puzzle");
    editor->FormShow();
    return editor;
  }

  std::unique_ptr<WordListEditor> OpenEdit(int record = 0) {
    *host_.state.currentPuzzle = StoredPuzzle();
    host_.state.newPuzzle = false;
    host_.state.modifyRecord = record;
    auto editor = std::make_unique<WordListEditor>(host_, "Modify Existing Puzzle");
    editor->FormShow();
    return editor;
  }

  static QString Cell(WordListEditor& e, int column, int row) {
    return e.Grid()->Cell(column, row);
  }
  template <typename T>
  static T* Find(WordListEditor& e, const char* name) {
    T* w = e.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::FakeHost host_;
  test::ScriptedSeams seams_;
};

TEST_F(WordListEditorTest, RowsWithWordsCloseUpWithTheirClues) {
  auto e = OpenNew();
  e->Grid()->SetCell(WordGrid::kWord, 3, "  apple ");
  e->Grid()->SetCell(WordGrid::kClue, 3, " a fruit ");
  e->Grid()->SetCell(WordGrid::kWord, 7, "banana");
  e->Grid()->SetCell(WordGrid::kClue, 7, "yellow");
  e->Grid()->SetCell(WordGrid::kWord, 12, "cherry");
  e->Grid()->SetCell(WordGrid::kClue, 10, "orphan clue");  // no word: dropped
  e->Grid()->SetCell(WordGrid::kWord, 20, QString(40, 'w'));
  Find<QLineEdit>(*e, "Title")->setText("  Fruit   ");
  e->SetValues();
  const PuzzleRecord& p = *host_.state.currentPuzzle;
  EXPECT_EQ(p.wordCount, 4);
  EXPECT_EQ(p.Word(1).Get(), "apple");
  EXPECT_EQ(p.Clue(1).Get(), "a fruit");
  EXPECT_EQ(p.Word(2).Get(), "banana");
  EXPECT_EQ(p.Clue(2).Get(), "yellow");
  EXPECT_EQ(p.Word(3).Get(), "cherry");
  EXPECT_EQ(p.Clue(3).Get(), "");
  EXPECT_EQ(p.Word(4).Get(), std::string(30, 'w'));
  EXPECT_EQ(p.Word(5).Get(), "");
  EXPECT_EQ(p.title.Get(), "Fruit");
  EXPECT_EQ(e->GetWordCount(), 4);
}

TEST_F(WordListEditorTest, CellEditorsCutAndLimitTheirText) {
  auto e = OpenNew();
  WordGrid* grid = e->Grid();
  grid->SetCell(WordGrid::kWord, 1, QString(40, 'a'));
  QAbstractItemDelegate* delegate = grid->itemDelegate();
  QStyleOptionViewItem option;
  const QModelIndex word = grid->model()->index(0, WordGrid::kWord);
  std::unique_ptr<QWidget> editor(delegate->createEditor(grid->viewport(), option, word));
  delegate->setEditorData(editor.get(), word);
  auto* edit = qobject_cast<QLineEdit*>(editor.get());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text().size(), 30);
  EXPECT_EQ(edit->maxLength(), 30);
  const QModelIndex clue = grid->model()->index(0, WordGrid::kClue);
  std::unique_ptr<QWidget> clueEditor(delegate->createEditor(grid->viewport(), option, clue));
  EXPECT_EQ(qobject_cast<QLineEdit*>(clueEditor.get())->maxLength(), 150);
}

TEST_F(WordListEditorTest, HidingAndShowingCluesKeepsThem) {
  auto e = OpenNew();
  auto* useClues = Find<QCheckBox>(*e, "UseClues");
  EXPECT_TRUE(useClues->isChecked());
  EXPECT_EQ(Find<QGroupBox>(*e, "WordsPanel")->title().toStdString(), "Words and Clues");
  e->Grid()->SetCell(WordGrid::kWord, 1, "owl");
  e->Grid()->SetCell(WordGrid::kClue, 1, "hoots at night");
  useClues->setChecked(false);
  e->UseCluesClick();
  EXPECT_FALSE(AppSettings().useClues);
  EXPECT_TRUE(e->Grid()->isColumnHidden(WordGrid::kClue));
  EXPECT_EQ(Find<QGroupBox>(*e, "WordsPanel")->title().toStdString(), "Words");
  EXPECT_EQ(e->Grid()->x(), 134);
  useClues->setChecked(true);
  e->UseCluesClick();
  EXPECT_FALSE(e->Grid()->isColumnHidden(WordGrid::kClue));
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1).toStdString(), "hoots at night");
  EXPECT_EQ(e->Grid()->x(), 8);
}

TEST_F(WordListEditorTest, EditModeLocksWordsAndOptionsEvenWithoutClues) {
  auto e = OpenEdit();
  EXPECT_FALSE(e->Grid()->IsEditableColumn(WordGrid::kWord));
  EXPECT_TRUE(e->Grid()->IsEditableColumn(WordGrid::kClue));
  EXPECT_FALSE(Find<QCheckBox>(*e, "CheckRight")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>(*e, "SpeedUpLeft")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(*e, "CreateIt")->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(*e, "DeleteClue")->isEnabled());
  EXPECT_FALSE(Find<QLineEdit>(*e, "Attempts")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(*e, "SaveButton")->isEnabled());
  EXPECT_EQ(Cell(*e, WordGrid::kUsed, 1).toStdString(), "x");
  EXPECT_EQ(Cell(*e, WordGrid::kUsed, 4).toStdString(), "");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 4).toStdString(), "GOAT");  // unplaced words reappear

  auto* useClues = Find<QCheckBox>(*e, "UseClues");
  useClues->setChecked(false);
  e->UseCluesClick();
  EXPECT_FALSE(e->Grid()->IsEditableColumn(WordGrid::kWord));
}

TEST_F(WordListEditorTest, NewPuzzleModeHidesSaveAndAsksOnExitOnlyWhenWordsWereTyped) {
  {
    auto e = OpenNew();
    EXPECT_TRUE(Find<QPushButton>(*e, "SaveButton")->isHidden());
    EXPECT_TRUE(Find<QPushButton>(*e, "ChangePhrase")->isHidden());
    e->show();
    e->CancelClick();
    EXPECT_TRUE(seams_.Messages().empty());
    EXPECT_FALSE(e->isVisible());
  }
  auto e = OpenNew();
  e->show();
  e->Grid()->SetCell(WordGrid::kWord, 1, "typed");
  seams_.Answer(MsgResult::No);
  e->CancelClick();
  EXPECT_EQ(seams_.Single(), "Discard the words you typed?");
  EXPECT_EQ(seams_.Messages()[0].buttons, MsgButtons::YesNoDefaultNo);
  EXPECT_TRUE(e->isVisible());
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 1).toStdString(), "typed");
  seams_.Answer(MsgResult::Yes);
  e->CancelClick();
  EXPECT_FALSE(e->isVisible());
  EXPECT_EQ(e->result(), QDialog::Rejected);
}

TEST_F(WordListEditorTest, ExitAsksOnlyWhenSomethingChanged) {
  {
    auto e = OpenEdit();
    Find<QLineEdit>(*e, "Title")->setText("Farm   ");  // trailing blanks are no change
    e->CancelClick();
    EXPECT_TRUE(seams_.Messages().empty());
  }
  {
    auto e = OpenEdit();
    e->Grid()->SetCell(WordGrid::kClue, 2, "lays eggs");
    seams_.Answer(MsgResult::Cancel);
    e->CancelClick();
    EXPECT_EQ(seams_.Single(), "Puzzle has been modified.  Save changes?");
    EXPECT_EQ(seams_.Messages()[0].caption, "Warning");
    EXPECT_EQ(seams_.Messages()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(e->isVisible() && e->result() == QDialog::Rejected);
    seams_.Clear();
    seams_.Answer(MsgResult::No);
    e->CancelClick();
    EXPECT_EQ(host_.saved, 0);
    EXPECT_EQ(test::FileSize(host_.state.groupFile), -1);
    // The current puzzle holds the form's values even after No.
    EXPECT_EQ(host_.state.currentPuzzle->Clue(2).Get(), "lays eggs");
  }
}

TEST_F(WordListEditorTest, AStoredBonusQuestionLongerThanTheTypingLimitShowsWhole) {
  PuzzleRecord stored = StoredPuzzle();
  const std::string question = "Which " + std::string(140, 'x') + " animal?";  // 153: cut to 150
  stored.bonusQuestion.Set(question);
  ASSERT_EQ(stored.bonusQuestion.Size(), 150u);
  *host_.state.currentPuzzle = stored;
  host_.state.newPuzzle = false;
  WordListEditor e(host_, "Modify Existing Puzzle");
  e.FormShow();
  EXPECT_EQ(Find<QLineEdit>(e, "BonusQuest")->text().toStdString(), stored.bonusQuestion.Get());
  e.CancelClick();  // untouched: nothing to ask
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(host_.state.currentPuzzle->bonusQuestion.Get(), stored.bonusQuestion.Get());
}

TEST_F(WordListEditorTest, PhraseIsTakenBackAndCountsAsAChange) {
  auto e = OpenEdit();
  const int empty = 225;  // the stored 15 x 15 grid holds no letters
  const std::string phrase(empty, 'q');
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* dialog = qobject_cast<HiddenPhraseDialog*>(w); dialog && dialog->isVisible()) {
            dialog->findChild<QCheckBox*>("IncludeHidden")->setChecked(true);
            dialog->findChild<QLineEdit*>("HiddenPhrase")->setText(QString::fromStdString(phrase));
            dialog->OkButtonClick();
          }
      },
      Qt::QueuedConnection);
  e->ChangePhraseClick();
  const PuzzleRecord& p = *host_.state.currentPuzzle;
  EXPECT_EQ(p.hiddenPhraseUsed, 1);
  EXPECT_EQ(p.Fill(CellIndex(15, 15)), 'Q');
  seams_.Answer(MsgResult::Cancel);
  e->CancelClick();
  EXPECT_EQ(seams_.Single(), "Puzzle has been modified.  Save changes?");
}

// Answers the layout library the next modal command opens: picks the entry starting with `name`,
// or leaves with Exit when it is empty.
void PickLayoutWhenShown(const std::string& name) {
  QMetaObject::invokeMethod(
      qApp,
      [name] {
        auto* pages = qobject_cast<LayoutLibraryDialog*>(QApplication::activeModalWidget());
        if (!pages || pages->Mode() != LayoutLibraryMode::PickForPuzzle) return;
        const auto found =
            pages->ShapeBox()->findItems(QString::fromStdString(name), Qt::MatchStartsWith);
        if (name.empty() || found.isEmpty()) return pages->ExitButtonClick();
        pages->ShapeBox()->setCurrentItem(found.front());
        pages->SelectButtonClick();
      },
      Qt::QueuedConnection);
}

TEST_F(WordListEditorTest, ChangeLayoutGivesThePuzzleTheChosenPageAndCountsAsAChange) {
  PageLayout wide;
  MakeBuiltInDefaultLayout(wide);
  wide.layoutName.Set("Wide");
  std::swap(wide.pixelWidth, wide.pixelHeight);  // landscape: the lower part of the image is empty
  ASSERT_TRUE(AppendLayout(LayoutLibraryPath(paths_), wide).ok);
  auto e = OpenEdit();
  auto* img = Find<QLabel>(*e, "Img");
  const QImage before = img->pixmap().toImage();

  PickLayoutWhenShown("");
  e->ChangeLayoutClick();
  EXPECT_EQ(host_.state.currentPuzzle->pageLayout.layoutName.Get(), "New Page");

  PickLayoutWhenShown("Wide");
  e->ChangeLayoutClick();
  EXPECT_EQ(std::memcmp(&host_.state.currentPuzzle->pageLayout, &wide, sizeof wide), 0);
  const QImage after = img->pixmap().toImage();
  EXPECT_NE(after, before);
  EXPECT_EQ(after.pixelColor(5, after.height() - 5), e->palette().color(QPalette::Button));

  seams_.Answer(MsgResult::Cancel);
  e->CancelClick();
  EXPECT_EQ(seams_.Single(), "Puzzle has been modified.  Save changes?");
}

TEST_F(WordListEditorTest, ShapePanelStartsOnTheLastShapeAndRemembersTheChoice) {
  AppSettings().lastShape = 1;
  auto e = OpenNew();
  auto* box = Find<QListWidget>(*e, "ShapeBox");
  ASSERT_EQ(box->count(), 2);
  EXPECT_EQ(box->item(0)->text().toStdString(), "12x12 Square");  // sorted as text
  EXPECT_EQ(box->currentItem()->text().toStdString(), "12x12 Square");
  EXPECT_EQ(host_.state.currentShape.shapeWidth, 12);
  box->setCurrentRow(1);
  e->ShapePanel().ShapeBoxClick();
  EXPECT_EQ(host_.state.currentShape.shapeWidth, 20);
  EXPECT_EQ(AppSettings().lastShape, 0);
  EXPECT_TRUE(Find<QPushButton>(*e, "ModifyShape")->isEnabled());
}

TEST_F(WordListEditorTest, EditModeShowsThePuzzlesOwnShapeAndLocksTheList) {
  auto e = OpenEdit();
  auto* box = Find<QListWidget>(*e, "ShapeBox");
  EXPECT_EQ(box->count(), 3);
  EXPECT_EQ(box->currentItem()->text().toStdString(), "15x15 <Current Puzzle>");
  EXPECT_FALSE(box->isEnabled());
  EXPECT_FALSE(Find<QPushButton>(*e, "NewShape")->isEnabled());
  EXPECT_EQ(host_.state.currentShape.shapeWidth, 15);
}

TEST_F(WordListEditorTest, DeletingRowsMovesMarksAndClearsTheLastRow) {
  auto e = OpenNew();
  WordGrid* g = e->Grid();
  g->SetCell(WordGrid::kUsed, 1, "x");
  g->SetCell(WordGrid::kWord, 1, "one");
  g->SetCell(WordGrid::kWord, 2, "two");
  g->SetCell(WordGrid::kUsed, 2, "x");
  g->SetCell(WordGrid::kClue, 2, "second");
  g->SetCell(WordGrid::kWord, 330, "last");
  g->setCurrentCell(0, WordGrid::kWord);
  e->DeleteClueClick();
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 1).toStdString(), "two");
  EXPECT_EQ(Cell(*e, WordGrid::kUsed, 1).toStdString(), "x");
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1).toStdString(), "second");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 329).toStdString(), "last");
  EXPECT_EQ(Cell(*e, WordGrid::kCnt, 1).toStdString(), "1");
  g->setCurrentCell(329, WordGrid::kWord);
  e->DeleteClueClick();
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 330).toStdString(), "");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 329).toStdString(), "last");
}

TEST_F(WordListEditorTest, DeleteAllAsksAndRefusesWhenEmpty) {
  auto e = OpenNew();
  e->DeleteAllClueClick();
  EXPECT_EQ(seams_.Single(), "All words are already cleared.");
  seams_.Clear();
  e->Grid()->SetCell(WordGrid::kWord, 5, "word");
  seams_.Answer(MsgResult::No);
  e->DeleteAllClueClick();
  EXPECT_EQ(e->GetWordCount(), 1);
  seams_.Answer(MsgResult::Yes);
  e->DeleteAllClueClick();
  EXPECT_EQ(seams_.Texts().back(), "This will remove all words and clues.  Continue?");
  EXPECT_EQ(e->GetWordCount(), 0);
}

TEST_F(WordListEditorTest, DirectionControlsFollowTheSettings) {
  AppSettings().directions[kUpLeft] = false;
  auto e = OpenNew();
  auto* check = Find<QCheckBox>(*e, "CheckUpLeft");
  EXPECT_FALSE(check->isChecked());
  e->SpeedDirectionClick(kUpLeft);
  EXPECT_TRUE(AppSettings().directions[kUpLeft]);
  EXPECT_TRUE(check->isChecked());
  e->SpeedDirectionClick(kUpLeft);
  EXPECT_FALSE(AppSettings().directions[kUpLeft]);
  EXPECT_FALSE(check->isChecked());
  Find<QCheckBox>(*e, "CheckDown")->setChecked(false);
  e->CheckDirectionClick(kDown);
  EXPECT_FALSE(AppSettings().directions[kDown]);
  EXPECT_TRUE(AppSettings().directions[kUp]);
}

// Lets the background estimate finish and its figure arrive.
std::string FitLine(WordListEditor& e) {
  for (int i = 0; i < 2000 && e.FitEstimatePending(); ++i) {
    QApplication::processEvents();
    QTest::qSleep(5);
  }
  EXPECT_FALSE(e.FitEstimatePending());
  return e.findChild<QLabel*>("FitEstimate")->text().toStdString();
}

TEST_F(WordListEditorTest, TheFitEstimateFollowsWordsShapeAndDirectionsAndStaysOutOfEditMode) {
  AppSettings().lastShape = 0;  // the 20 x 10 band
  auto e = OpenNew();
  EXPECT_EQ(FitLine(*e), "");
  for (int row = 1; row <= 3; ++row)
    e->Grid()->SetCell(WordGrid::kWord, row, QStringList{"OWL", "LARK", "ROBIN"}[row - 1]);
  EXPECT_EQ(FitLine(*e), "About 3 of 3 words will fit");
  // Down only: a word of 11 letters is longer than the band is high, and while the new figure
  // is worked out the old one stays, greyed.
  e->Grid()->SetCell(WordGrid::kWord, 5, "WOODPECKERS");
  const std::pair<int, const char*> others[] = {
      {kRight, "CheckRight"},         {kLeft, "CheckLeft"},     {kUp, "CheckUp"},
      {kDownRight, "CheckDownRight"}, {kUpLeft, "CheckUpLeft"}, {kDownLeft, "CheckDownLeft"},
      {kUpRight, "CheckUpRight"}};
  for (const auto& [d, name] : others) {
    Find<QCheckBox>(*e, name)->setChecked(false);
    e->CheckDirectionClick(d);
  }
  EXPECT_FALSE(e->findChild<QLabel*>("FitEstimate")->isEnabled());
  EXPECT_EQ(FitLine(*e), "About 3 of 4 words will fit");
  EXPECT_TRUE(e->findChild<QLabel*>("FitEstimate")->isEnabled());
  // The 12 x 12 square is higher than the band.
  e->ShapePanel().SetShapeBoxIndex(1);
  e->ShapePanel().ShapeBoxClick();
  EXPECT_EQ(FitLine(*e), "About 4 of 4 words will fit");

  auto edit = OpenEdit();
  EXPECT_TRUE(edit->findChild<QLabel*>("FitEstimate")->isHidden());
}

TEST_F(WordListEditorTest, SaveValidatesThenReplacesTheRecord) {
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(AppendPuzzle(host_.state.groupFile, StoredPuzzle()));
  auto e = OpenEdit(1);
  Find<QLineEdit>(*e, "Title")->setText("   ");
  e->SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "No title specified.  Please correct.");
  seams_.Clear();
  Find<QLineEdit>(*e, "Title")->setText("Barnyard");
  Find<QComboBox>(*e, "Category")->setCurrentText("");
  e->SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "No category specified.  Please correct.");
  seams_.Clear();
  Find<QComboBox>(*e, "Category")->setCurrentText("Animals");
  e->Grid()->SetCell(WordGrid::kClue, 1, "gives milk");
  e->SaveButtonClick();
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(host_.saved, 1);
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 1, stored));
  EXPECT_EQ(stored.title.Get(), "Barnyard");
  EXPECT_EQ(stored.Clue(1).Get(), "gives milk");
  EXPECT_EQ(stored.wordPlaced[0], 1);  // grids and flags untouched
  EXPECT_EQ(stored.puzzleGenerated, 1);
  EXPECT_EQ(ListGroup(host_.state.groupFile).titles.size(), 2u);
}

TEST_F(WordListEditorTest, SaveRefusesControlCharactersNamingTheRow) {
  ASSERT_TRUE(AppendPuzzle(host_.state.groupFile, StoredPuzzle()));
  const std::vector<char> before = test::ReadBytes(host_.state.groupFile);
  auto e = OpenEdit(0);
  // What a paste or a damaged record can bring: a NUL would read as "outside the shape".
  e->Grid()->SetCell(WordGrid::kWord, 2, QString("H") + QChar(0) + QString("EN"));
  e->SaveButtonClick();
  EXPECT_EQ(seams_.Single(),
            "The word in row 2 holds a control character (such as a tab or a line break).  Please "
            "correct.");
  EXPECT_EQ(e->Grid()->currentRow(), 1);
  EXPECT_EQ(e->Grid()->currentColumn(), WordGrid::kWord);
  EXPECT_EQ(host_.saved, 0);
  EXPECT_EQ(test::ReadBytes(host_.state.groupFile), before);

  seams_.Clear();
  e->Grid()->SetCell(WordGrid::kWord, 2, "HEN");
  Find<QLineEdit>(*e, "Title")->setText("Farm\x7f");
  e->SaveButtonClick();
  EXPECT_EQ(
      seams_.Single(),
      "The title holds a control character (such as a tab or a line break).  Please correct.");
  EXPECT_EQ(host_.saved, 0);
}

TEST_F(WordListEditorTest, SaveFailureIsReportedAndKeepsTheEditorOpenWithTheEdit) {
  const std::string writable = host_.state.groupFile;
  ASSERT_TRUE(AppendPuzzle(writable, StoredPuzzle()));
  host_.state.groupFile = dir_.File("missing/folder/G.QL3");  // cannot be written
  auto e = OpenEdit();
  e->show();
  e->Grid()->SetCell(WordGrid::kClue, 1, "gives milk");
  e->SaveButtonClick();
  EXPECT_EQ(seams_.Single(), "Unable to save puzzle.");
  EXPECT_EQ(host_.saved, 0);
  EXPECT_TRUE(e->isVisible());
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1).toStdString(), "gives milk");

  // "E&xit", Yes: the save fails the same way and the editor stays.
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  e->CancelClick();
  EXPECT_EQ(seams_.Texts(), (std::vector<std::string>{"Puzzle has been modified.  Save changes?",
                                                      "Unable to save puzzle."}));
  EXPECT_TRUE(e->isVisible());
  EXPECT_EQ(Cell(*e, WordGrid::kClue, 1).toStdString(), "gives milk");

  // Once the group can be written, the same edit is saved and the editor closes.
  host_.state.groupFile = writable;
  seams_.Clear();
  seams_.Answer(MsgResult::Yes);
  e->CancelClick();
  EXPECT_EQ(seams_.Single(), "Puzzle has been modified.  Save changes?");
  EXPECT_FALSE(e->isVisible());
  EXPECT_EQ(host_.saved, 1);
  PuzzleRecord stored;
  ASSERT_TRUE(ReadPuzzle(writable, 0, stored));
  EXPECT_EQ(stored.Clue(1).Get(), "gives milk");
}

// Shows the editor as the active window, so its accelerators reach it.
void ShowActive(WordListEditor& e) {
  e.show();
  QApplication::setActiveWindow(&e);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
}

// Types into the cell editor the grid keeps open, without leaving the cell.
void TypeInOpenCell(WordListEditor& e, int column, int row, const QString& text) {
  WordGrid* grid = e.Grid();
  grid->setFocus();
  grid->setCurrentCell(row - 1, column);
  auto* cell = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row - 1, column)));
  ASSERT_NE(cell, nullptr) << "no open cell editor";
  cell->selectAll();
  QTest::keyClicks(cell, text);
  ASSERT_EQ(cell->text(), text);
}

// A button's accelerator clicks it a moment later, as a user sees it go down and up.
void PressAlt(QWidget& w, Qt::Key key) {
  QTest::keyClick(&w, key, Qt::AltModifier);
  QTest::qWait(200);
}

TEST_F(WordListEditorTest, EveryWayOfLeavingOrSavingTakesTheOpenCellFirst) {
  ASSERT_TRUE(AppendPuzzle(host_.state.groupFile, StoredPuzzle()));
  {  // Sa&ve by its accelerator stores the clue still being typed.
    auto e = OpenEdit();
    ShowActive(*e);
    TypeInOpenCell(*e, WordGrid::kClue, 2, "lays eggs");
    PressAlt(*QApplication::focusWidget(), Qt::Key_V);
    EXPECT_FALSE(e->isVisible());
    EXPECT_TRUE(seams_.Messages().empty());
    PuzzleRecord stored;
    ASSERT_TRUE(ReadPuzzle(host_.state.groupFile, 0, stored));
    EXPECT_EQ(stored.Clue(2).Get(), "lays eggs");
  }
  // E&xit by its accelerator and the close box both ask about the typed clue.
  const std::function<void(WordListEditor&)> leaves[] = {
      [](WordListEditor&) { PressAlt(*QApplication::focusWidget(), Qt::Key_X); },
      [](WordListEditor& e) { e.close(); },
  };
  for (const auto& leave : leaves) {
    seams_.Clear();
    auto e = OpenEdit();
    ShowActive(*e);
    TypeInOpenCell(*e, WordGrid::kClue, 3, "rolls in mud");
    seams_.Answer(MsgResult::Cancel);
    leave(*e);
    EXPECT_EQ(seams_.Single(), "Puzzle has been modified.  Save changes?");
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(Cell(*e, WordGrid::kClue, 3).toStdString(), "rolls in mud");
  }
  {  // &Create by its accelerator checks the word still being typed.
    seams_.Clear();
    AppSettings().lastShape = 1;  // the 12 x 12 square
    auto e = OpenNew();
    Find<QLineEdit>(*e, "Title")->setText("Long");
    Find<QComboBox>(*e, "Category")->setCurrentText("Words");
    ShowActive(*e);
    TypeInOpenCell(*e, WordGrid::kWord, 1, "ABCDEFGHIJKLM");  // wider than the shape
    PressAlt(*QApplication::focusWidget(), Qt::Key_C);
    EXPECT_EQ(seams_.Single(),
              "Word is greater than puzzle dimension size of 12 characters in \"ABCDEFGHIJKLM\".");
  }
}

TEST_F(WordListEditorTest, EscapeInACellTakesBackThatCellOnlyAndNeverLosesTheOtherWords) {
  auto e = OpenNew();
  ShowActive(*e);
  TypeInOpenCell(*e, WordGrid::kWord, 1, "OWL");
  TypeInOpenCell(*e, WordGrid::kWord, 2, "HEN");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(e->isVisible());
  EXPECT_TRUE(seams_.Messages().empty());
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 1).toStdString(), "OWL");
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 2).toStdString(), "");

  // Escape again, with no cell open, leaves the window: after asking, as a word is typed.
  seams_.Answer(MsgResult::No);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(seams_.Single(), "Discard the words you typed?");
  EXPECT_TRUE(e->isVisible());
  EXPECT_EQ(Cell(*e, WordGrid::kWord, 1).toStdString(), "OWL");
}

// Through the main window: Modify and Copy open the editor on the selected record.
class MainWindowEditorTest : public WordListEditorTest {};

// Closes the editor that the next modal command opens, once it is up.
void CloseEditorWhenShown() {
  QMetaObject::invokeMethod(
      qApp,
      [] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* editor = qobject_cast<WordListEditor*>(w); editor && editor->isVisible())
            editor->CancelClick();
      },
      Qt::QueuedConnection);
}

TEST_F(MainWindowEditorTest, NewPuzzleTakesTheDefaultPageOfTheLibrary) {
  PageLayout first, second;
  MakeBuiltInDefaultLayout(first);
  MakeBuiltInDefaultLayout(second);
  first.layoutName.Set("First");
  second.layoutName.Set("Second");
  ASSERT_TRUE(AppendLayout(paths_.ProgramFile("QLFPAGE.DAT"), first).ok);
  ASSERT_TRUE(AppendLayout(paths_.ProgramFile("QLFPAGE.DAT"), second).ok);
  MainWindow win(paths_);
  AppSettings().defaultPage = 1;
  CloseEditorWhenShown();
  win.NewPuzzleClick();
  EXPECT_TRUE(win.State().newPuzzle);
  EXPECT_EQ(win.State().currentPuzzle->pageLayout.layoutName.Get(), "Second");
  EXPECT_EQ(win.State().currentPuzzle->gridWidth, 15);
}

TEST_F(MainWindowEditorTest, AnUnreadableLayoutLibraryIsReportedAndTheBuiltInPageUsed) {
  // A folder where the library should be: it opens, but no record can be read from it.
  std::filesystem::create_directory(paths_.ProgramFile("QLFPAGE.DAT"));
  MainWindow win(paths_);
  win.State().currentPuzzle->pageLayout.layoutName.Set("left over");
  bool editorOpened = false;
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* editor = qobject_cast<WordListEditor*>(w); editor && editor->isVisible()) {
            editorOpened = true;
            editor->CancelClick();
          }
      },
      Qt::QueuedConnection);
  win.NewPuzzleClick();
  ASSERT_EQ(seams_.Messages().size(), 1u);
  EXPECT_EQ(seams_.Messages()[0].text.rfind("Input/output error: ", 0), 0u)
      << seams_.Messages()[0].text;
  EXPECT_TRUE(editorOpened);
  PageLayout builtIn;
  MakeBuiltInDefaultLayout(builtIn);
  EXPECT_EQ(0, std::memcmp(&win.State().currentPuzzle->pageLayout, &builtIn, sizeof builtIn));
}

TEST_F(MainWindowEditorTest, CopyGivesTheNextTitleAndClearsPlacedFlags) {
  ASSERT_TRUE(AppendPuzzle(AppSettings().lastGroup, StoredPuzzle()));
  MainWindow win(paths_);
  win.PuzzleBox()->setCurrentRow(0);
  // The editor runs modally; here only the state it is given is checked.
  PuzzleRecord& p = *win.State().currentPuzzle;
  win.State().newPuzzle = false;
  CloseEditorWhenShown();
  win.CopyPuzzleClick();
  EXPECT_TRUE(win.State().newPuzzle);
  EXPECT_EQ(p.title.Get(), "Farm (2)");
  EXPECT_EQ(p.wordPlaced[0], 0);
  EXPECT_EQ(p.wordPlaced[2], 0);
}

}  // namespace
}  // namespace gw
