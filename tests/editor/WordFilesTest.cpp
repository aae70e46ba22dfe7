// The word list editor's text import and export dialogs and its international character keys,
// driven through the seams as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "editor/AccentKeyTyper.h"
#include "editor/AccentKeysDialog.h"
#include "editor/WordFileExportDialog.h"
#include "editor/WordFileImportDialog.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"
#include "storage/PuzzleGroup.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"

namespace gw {
namespace {

class WordFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    host_.state.paths = paths_;
    ShapeRecord shape;
    MakeNewShape(shape);
    shape.shapeName.Set("Square");
    shape.shapeWidth = shape.shapeHeight = 12;
    ASSERT_TRUE(AppendShape(ShapeLibraryPath(paths_), shape));
  }

  std::unique_ptr<WordListEditor> OpenEditor(bool newPuzzle = true) {
    InitNewPuzzle(*host_.state.currentPuzzle);
    MakeBuiltInDefaultLayout(host_.state.currentPuzzle->pageLayout);
    host_.state.newPuzzle = newPuzzle;
    auto editor = std::make_unique<WordListEditor>(host_, "Create New Puzzle");
    editor->FormShow();
    return editor;
  }

  template <typename T>
  static T* Find(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  static std::vector<std::string> Items(QWidget& dialog) {
    std::vector<std::string> items;
    auto* list = Find<QListWidget>(dialog, "LinesList");
    for (int i = 0; i < list->count(); ++i) items.push_back(FromQString(list->item(i)->text()));
    return items;
  }
  static void Select(QWidget& dialog, const std::string& line) {
    auto* list = Find<QListWidget>(dialog, "LinesList");
    const auto found = list->findItems(ToQString(line), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << line;
    found[0]->setSelected(true);
  }
  static std::string Word(WordListEditor& e, int row) {
    return FromQString(e.Grid()->Cell(WordGrid::kWord, row));
  }
  static std::string Clue(WordListEditor& e, int row) {
    return FromQString(e.Grid()->Cell(WordGrid::kClue, row));
  }
  // Opens `file` in an import dialog on the editor's grid.
  std::unique_ptr<WordFileImportDialog> OpenImport(WordListEditor& e, const std::string& file) {
    auto import = std::make_unique<WordFileImportDialog>(*e.Grid(), &e);
    import->FormShow();
    seams_.ChooseFile(file);
    import->OpenFileClick();
    return import;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::FakeHost host_;
  test::ScriptedSeams seams_;
};

TEST_F(WordFilesTest, ImportListsTheFileSortedForSeveralSelections) {
  AppSettings().importOption = 3;
  AppSettings().lastImportWordFile = dir_.File("last.txt");
  test::WriteText(dir_.File("list.txt"), "zebra\r\n\r\n   \r\n  apple : a fruit \nBanana\nzebra\n");
  auto e = OpenEditor();
  WordFileImportDialog import(*e->Grid(), e.get());
  import.FormShow();
  EXPECT_TRUE(Find<QRadioButton>(import, "AsWordsAndClues")->isChecked());
  EXPECT_FALSE(Find<QLineEdit>(import, "SepChar")->isHidden());
  EXPECT_EQ(Find<QLineEdit>(import, "SepChar")->text().toStdString(), ":");
  EXPECT_FALSE(Find<QPushButton>(import, "Ok")->isEnabled());

  seams_.ChooseFile(dir_.File("list.txt"));
  import.OpenFileClick();
  ASSERT_EQ(seams_.FileDialogs().size(), 1u);
  EXPECT_EQ(seams_.FileDialogs()[0].title, "Import Word/Clue List");
  EXPECT_EQ(seams_.FileDialogs()[0].filter, "text (*.txt)|*.txt|all files (*.*)|*.*");
  EXPECT_EQ(seams_.FileDialogs()[0].initial, dir_.File("last.txt"));
  EXPECT_EQ(AppSettings().lastImportWordFile, dir_.File("list.txt"));
  EXPECT_EQ(Items(import),
            (std::vector<std::string>{"apple : a fruit", "Banana", "zebra", "zebra"}));
  EXPECT_TRUE(Find<QPushButton>(import, "Ok")->isEnabled());

  auto* list = Find<QListWidget>(import, "LinesList");
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
  import.SelectAllClick();
  EXPECT_EQ(list->selectedItems().size(), 4);
  import.ClearClick();
  EXPECT_TRUE(list->selectedItems().isEmpty());

  // A file that cannot be opened leaves the list as it was.
  seams_.ChooseFile(dir_.File("missing.txt"));
  import.OpenFileClick();
  EXPECT_EQ(seams_.Single(), "Unable to open import file.");
  EXPECT_EQ(list->count(), 4);
}

TEST_F(WordFilesTest, ImportTakesSelectedLinesInListOrderIntoFreeRows) {
  test::WriteText(dir_.File("pairs.txt"),
                  "owl : hoots: at night\r\nbadger\r\nant : small\r\nyak : hairy\r\n");
  auto e = OpenEditor();
  e->Grid()->SetCell(WordGrid::kWord, 1, "cat");
  e->Grid()->SetCell(WordGrid::kClue, 2, "keep me");
  AppSettings().importOption = 3;
  auto import = OpenImport(*e, dir_.File("pairs.txt"));
  Select(*import, "yak : hairy");
  Select(*import, "owl : hoots: at night");
  Select(*import, "badger");
  import->OkClick();
  EXPECT_EQ(import->result(), QDialog::Accepted);
  EXPECT_EQ(Word(*e, 1), "cat");
  EXPECT_EQ(Clue(*e, 2), "keep me");
  EXPECT_EQ(Word(*e, 3) + "/" + Clue(*e, 3), "badger/");
  EXPECT_EQ(Word(*e, 4) + "/" + Clue(*e, 4), "owl/hoots: at night");
  EXPECT_EQ(Word(*e, 5) + "/" + Clue(*e, 5), "yak/hairy");
  EXPECT_EQ(e->GetWordCount(), 4);
}

TEST_F(WordFilesTest, ASpaceCannotSeparateWordsFromClues) {
  test::WriteText(dir_.File("pairs.txt"), "owl hoots\r\n");
  auto e = OpenEditor();
  AppSettings().importOption = 3;
  auto import = OpenImport(*e, dir_.File("pairs.txt"));
  import->SelectAllClick();
  Find<QLineEdit>(*import, "SepChar")->setText(" ");
  import->OkClick();
  EXPECT_EQ(seams_.Single(), "No word/clue seperator character specified.");
  EXPECT_EQ(import->result(), QDialog::Rejected);
  EXPECT_EQ(Word(*e, 1), "");
  // Typing into the box remembers its first character; an empty box changes nothing.
  Find<QLineEdit>(*import, "SepChar")->setText(";");
  Find<QLineEdit>(*import, "SepChar")->setText("");
  EXPECT_EQ(AppSettings().sepChar, ';');
}

TEST_F(WordFilesTest, TooManyLinesAskBeforeTheSurplusIsDropped) {
  test::WriteText(dir_.File("more.txt"), "aardvark\nbison\ncamel\n");
  auto e = OpenEditor();
  for (int row = 1; row <= WordGrid::kRows; ++row)
    if (row != 17) e->Grid()->SetCell(WordGrid::kWord, row, "w" + QString::number(row));
  AppSettings().importOption = 1;
  auto import = OpenImport(*e, dir_.File("more.txt"));
  Select(*import, "aardvark");
  Select(*import, "camel");
  seams_.Answer(MsgResult::No);
  import->OkClick();
  EXPECT_EQ(seams_.Single(), "Too many words selected.  Last word will not be used.  Continue?");
  EXPECT_EQ(seams_.Messages()[0].caption, "Warning");
  EXPECT_EQ(import->result(), QDialog::Rejected);
  EXPECT_EQ(Word(*e, 17), "");

  seams_.Clear();
  import->SelectAllClick();
  seams_.Answer(MsgResult::Yes);
  import->OkClick();
  EXPECT_EQ(seams_.Single(), "Too many words selected.  Last 2 words will not be used.  Continue?");
  EXPECT_EQ(Word(*e, 17), "aardvark");
  EXPECT_EQ(e->GetWordCount(), WordGrid::kRows);
  EXPECT_EQ(import->result(), QDialog::Accepted);
}

TEST_F(WordFilesTest, UnicodeFilesImportWithTheirAccentsAndForeignLettersAreReported) {
  test::WriteText(dir_.File("utf8.txt"),
                  "caf\xC3\xA9:coffee shop\n\xC3\xB1"
                  "and\xC3\xBA:bird\n\xD0\xB6\xD1\x83\xD0\xBA:beetle\n");
  auto e = OpenEditor();
  AppSettings().importOption = 3;
  auto import = OpenImport(*e, dir_.File("utf8.txt"));
  EXPECT_EQ(seams_.Single(),
            "Some characters in this file cannot be used in a puzzle: U+0436, U+0443, U+043A.  "
            "They are shown as \"?\".");
  EXPECT_EQ(Items(*import), (std::vector<std::string>{"???:beetle", "caf\xE9:coffee shop",
                                                      "\xF1"
                                                      "and\xFA:bird"}));
  Select(*import, "caf\xE9:coffee shop");
  Select(*import,
         "\xF1"
         "and\xFA:bird");
  import->OkClick();
  EXPECT_EQ(e->Grid()->Cell(WordGrid::kWord, 1), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(e->Grid()->Cell(WordGrid::kWord, 2), QString::fromUtf8("\xC3\xB1"
                                                                   "and\xC3\xBA"));
  EXPECT_EQ(Clue(*e, 2), "bird");
}

TEST_F(WordFilesTest, WithoutCluesBothDialogsOfferWordsOnly) {
  AppSettings().useClues = false;
  AppSettings().importOption = 3;
  AppSettings().exportOption = 3;
  auto e = OpenEditor();
  e->Grid()->SetCell(WordGrid::kWord, 1, "owl");
  e->Grid()->SetCell(WordGrid::kClue, 1, "hoots");
  WordFileImportDialog import(*e->Grid(), e.get());
  import.FormShow();
  EXPECT_TRUE(Find<QRadioButton>(import, "AsWords")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(import, "AsClues")->isHidden());
  EXPECT_TRUE(Find<QRadioButton>(import, "AsWordsAndClues")->isHidden());
  EXPECT_TRUE(Find<QLineEdit>(import, "SepChar")->isHidden());
  WordFileExportDialog exportDialog(*e->Grid(), e.get());
  exportDialog.FormShow();
  EXPECT_TRUE(Find<QRadioButton>(exportDialog, "AsWords")->isChecked());
  EXPECT_TRUE(Find<QRadioButton>(exportDialog, "AsWordsAndClues")->isHidden());
  EXPECT_EQ(Items(exportDialog), std::vector<std::string>{"owl"});
}

TEST_F(WordFilesTest, ExportListsTheChosenFormAndSavesTheSelectedLines) {
  AppSettings().lastExportWordFile = dir_.File("before.txt");
  auto e = OpenEditor();
  e->Grid()->SetCell(WordGrid::kWord, 1, " owl ");
  e->Grid()->SetCell(WordGrid::kClue, 1, "hoots");
  e->Grid()->SetCell(WordGrid::kClue, 4, "a clue alone");
  e->Grid()->SetCell(WordGrid::kWord, 6, "Ant");
  WordFileExportDialog exportDialog(*e->Grid(), e.get());
  exportDialog.FormShow();
  EXPECT_TRUE(Find<QRadioButton>(exportDialog, "AsWordsAndClues")->isChecked());
  EXPECT_TRUE(Find<QListWidget>(exportDialog, "LinesList")->font().family().startsWith("Courier"));
  const std::string pad(28, ' ');
  EXPECT_EQ(Items(exportDialog),
            (std::vector<std::string>{std::string(31, ' ') + ": a clue alone", "Ant" + pad + ": ",
                                      "owl" + pad + ": hoots"}));
  Find<QLineEdit>(exportDialog, "SepChar")->setText("=");
  EXPECT_EQ(Items(exportDialog)[2], "owl" + pad + "= hoots");

  exportDialog.AsCluesClick();
  EXPECT_EQ(AppSettings().exportOption, 2);
  EXPECT_TRUE(Find<QLineEdit>(exportDialog, "SepChar")->isHidden());
  EXPECT_EQ(Items(exportDialog), (std::vector<std::string>{"a clue alone", "hoots"}));
  exportDialog.AsWordsClick();
  EXPECT_EQ(Items(exportDialog), (std::vector<std::string>{"Ant", "owl"}));

  auto* save = Find<QPushButton>(exportDialog, "SaveFile");
  EXPECT_FALSE(save->isEnabled());
  exportDialog.SelectAllClick();
  EXPECT_TRUE(save->isEnabled());
  exportDialog.ClearClick();
  EXPECT_FALSE(save->isEnabled());
  exportDialog.SaveFileClick();
  EXPECT_EQ(seams_.Single(),
            "No words/clues selected for output.  Please select the desired words/clues.");
  EXPECT_TRUE(seams_.FileDialogs().empty());

  Select(exportDialog, "owl");
  EXPECT_TRUE(save->isEnabled());
  seams_.ChooseFile(dir_.File("words.txt"));
  exportDialog.SaveFileClick();
  ASSERT_EQ(seams_.FileDialogs().size(), 1u);
  EXPECT_EQ(seams_.FileDialogs()[0].title, "Save Word/Clue List");
  EXPECT_EQ(seams_.FileDialogs()[0].initial, dir_.File("before.txt"));
  EXPECT_TRUE(seams_.FileDialogs()[0].overwritePrompt);
  EXPECT_EQ(AppSettings().lastExportWordFile, dir_.File("words.txt"));
  EXPECT_EQ(test::ReadText(dir_.File("words.txt")), "owl\r\n");
  EXPECT_EQ(exportDialog.result(), QDialog::Accepted);
}

TEST_F(WordFilesTest, ALongClueWrapsUnderItsClueNotUnderTheWords) {
  auto e = OpenEditor();
  e->Grid()->SetCell(WordGrid::kWord, 1, "HIPPOPOTAMUS");
  e->Grid()->SetCell(WordGrid::kClue, 1,
                     "A very large animal that spends its days in African rivers and lakes and "
                     "comes out at night to graze on the grass of the river banks");
  e->Grid()->SetCell(WordGrid::kWord, 2, "OWL");
  WordFileExportDialog exportDialog(*e->Grid(), e.get());
  exportDialog.show();
  QApplication::processEvents();
  auto* list = Find<QListWidget>(exportDialog, "LinesList");
  const QRect first = list->visualItemRect(list->item(0)),
              second = list->visualItemRect(list->item(1));
  const int line = QFontMetrics(list->font()).height();
  ASSERT_GE(first.height(), 2 * line);  // the long line takes more than one
  EXPECT_LT(second.height(), 2 * line);
  // Below its first line, the word column of the long entry is blank; the clue goes on beside it.
  const QImage shown = list->viewport()->grab().toImage();
  const int column = QFontMetrics(list->font()).horizontalAdvance(QString(30, QLatin1Char(' ')));
  int inkLeft = 0, inkRight = 0;
  for (int y = first.top() + line + 2; y < first.bottom(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (qGray(shown.pixel(x, y)) < 128) ++(x < column ? inkLeft : inkRight);
  EXPECT_EQ(inkLeft, 0);
  EXPECT_GT(inkRight, 0);
}

TEST_F(WordFilesTest, AnExportThatCannotBeCreatedOrWouldReplaceAGroupKeepsTheDialogOpen) {
  auto e = OpenEditor();
  e->Grid()->SetCell(WordGrid::kWord, 1, "owl");
  WordFileExportDialog exportDialog(*e->Grid(), e.get());
  exportDialog.FormShow();
  exportDialog.SelectAllClick();
  seams_.ChooseFile(dir_.File("no such folder/words.txt"));
  exportDialog.SaveFileClick();
  EXPECT_EQ(seams_.Single(), "Unable to create export file.");
  EXPECT_EQ(exportDialog.result(), QDialog::Rejected);

  // The group the puzzle lives in, and the shape library, picked by mistake: refused, untouched.
  PuzzleRecord stored;
  InitNewPuzzle(stored);
  ASSERT_TRUE(AppendPuzzle(dir_.File("Class.QL3"), stored));
  for (const std::string& target : {dir_.File("Class.QL3"), ShapeLibraryPath(paths_)}) {
    seams_.Clear();
    const std::vector<char> before = test::ReadBytes(target);
    seams_.ChooseFile(target);
    exportDialog.SaveFileClick();
    EXPECT_NE(seams_.Single().find(target + " "), std::string::npos) << seams_.Single();
    EXPECT_NE(seams_.Single().find("; nothing was written over it.  Choose another file."),
              std::string::npos);
    EXPECT_EQ(test::ReadBytes(target), before);
    EXPECT_EQ(exportDialog.result(), QDialog::Rejected);
  }
}

TEST_F(WordFilesTest, ExportedListImportsIntoANewPuzzleTheSame) {
  auto first = OpenEditor();
  const char* pairs[][2] = {{"caf\xE9", "coffee: or tea"}, {"owl", ""}, {"", "clue alone"}};
  for (int i = 0; i < 3; ++i) {
    first->Grid()->SetCell(WordGrid::kWord, i + 2, ToQString(pairs[i][0]));
    first->Grid()->SetCell(WordGrid::kClue, i + 2, ToQString(pairs[i][1]));
  }
  WordFileExportDialog exportDialog(*first->Grid(), first.get());
  exportDialog.FormShow();
  exportDialog.SelectAllClick();
  seams_.ChooseFile(dir_.File("list.txt"));
  exportDialog.SaveFileClick();

  auto second = OpenEditor();
  AppSettings().importOption = 3;
  auto import = OpenImport(*second, dir_.File("list.txt"));
  import->SelectAllClick();
  import->OkClick();
  // The list's order (case ignored) decides the rows; the pairs are those exported.
  EXPECT_EQ(Word(*second, 1) + "|" + Clue(*second, 1), "|clue alone");
  EXPECT_EQ(Word(*second, 2) + "|" + Clue(*second, 2), "caf\xE9|coffee: or tea");
  EXPECT_EQ(Word(*second, 3) + "|" + Clue(*second, 3), "owl|");
  EXPECT_TRUE(seams_.Messages().empty());
}

TEST_F(WordFilesTest, EditModeExportsButDoesNotImport) {
  auto e = OpenEditor(false);
  EXPECT_FALSE(Find<QPushButton>(*e, "ImportClue")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(*e, "ExportClue")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>(*e, "IntCharButton")->isEnabled());
}

TEST_F(WordFilesTest, CharacterDialogShowsEachKeyAndChangesSettingsOnlyWithOk) {
  AppSettings().intKeys[2] = "0300";
  AppSettings().intKeys[3] = "abc";
  const auto before = AppSettings().intKeys;
  {
    AccentKeysDialog dialog;
    dialog.FormShow();
    auto* first = Find<QComboBox>(dialog, "KeyCharacter1");
    EXPECT_EQ(first->count(), 64);
    EXPECT_EQ(first->itemText(0), QString::fromUtf8("\xC3\x80"));
    EXPECT_EQ(first->itemText(63), QString::fromUtf8("\xC3\xBF"));
    EXPECT_EQ(first->currentText(), QString::fromUtf8("\xC3\xA1"));
    EXPECT_EQ(Find<QComboBox>(dialog, "KeyCharacter12")->currentText(),
              QString::fromUtf8("\xC3\xB2"));
    EXPECT_EQ(Find<QComboBox>(dialog, "KeyCharacter3")->currentText(),
              QString::fromUtf8("\xC3\x80"));
    first->setCurrentIndex(first->findText(QString::fromUtf8("\xC3\xBC")));
    dialog.CancelButtonClick();
    EXPECT_EQ(AppSettings().intKeys, before);
  }
  AccentKeysDialog dialog;
  dialog.FormShow();
  Find<QComboBox>(dialog, "KeyCharacter1")->setCurrentIndex(60);  // code 252
  dialog.OkButtonClick();
  EXPECT_EQ(AppSettings().intKeys[0], "0252");
  EXPECT_EQ(AppSettings().intKeys[1], "0233");
  EXPECT_EQ(AppSettings().intKeys[2], "0192");
  EXPECT_EQ(AppSettings().intKeys[3], "0192");
}

class AccentKeysTest : public WordFilesTest {
 protected:
  // The editor on screen, a word cell's editor open with `text` and the caret after `caret`.
  QLineEdit* EditWordCell(WordListEditor& e, int row, const QString& text, int caret) {
    e.show();
    QApplication::setActiveWindow(&e);
    e.Grid()->setFocus();
    e.Grid()->setCurrentCell(row - 1, WordGrid::kWord);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    EXPECT_NE(edit, nullptr);
    if (!edit) return nullptr;
    edit->setText(text);
    edit->setCursorPosition(caret);
    return edit;
  }
  static void Press(WordListEditor& e, int key) {
    QAction* item = e.findChild<QAction*>(QStringLiteral("N%11").arg(key));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F1 + key - 1));
    item->trigger();
  }
};

TEST_F(AccentKeysTest, FunctionKeyTypesItsCharacterAtTheCaret) {
  auto e = OpenEditor();
  e->Typer().SetHeldKeys([] { return Qt::NoModifier; });
  QLineEdit* edit = EditWordCell(*e, 3, "cafe", 3);
  ASSERT_NE(edit, nullptr);
  edit->setSelection(3, 1);  // the typed character replaces a selection, as typing does
  Press(*e, 2);
  EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9"));
  edit->setCursorPosition(0);
  Press(*e, 1);
  EXPECT_EQ(edit->text(), QString::fromUtf8("\xC3\xA1"
                                            "caf\xC3\xA9"));
  e->Grid()->CommitOpenEditor();
  EXPECT_EQ(Word(*e, 3),
            "\xE1"
            "caf\xE9");

  // The title takes it just the same.
  auto* title = Find<QLineEdit>(*e, "Title");
  title->setFocus();
  title->setText("Espa");
  Press(*e, 5);
  EXPECT_EQ(title->text(), QString::fromUtf8("Espa\xC3\xB1"));
}

TEST_F(AccentKeysTest, HeldCtrlOrAltDelaysTheCharacterUntilReleased) {
  auto e = OpenEditor();
  Qt::KeyboardModifiers held = Qt::ControlModifier;
  e->Typer().SetHeldKeys([&held] { return held; });
  QLineEdit* edit = EditWordCell(*e, 1, "Espa", 4);
  ASSERT_NE(edit, nullptr);
  Press(*e, 5);
  Press(*e, 3);
  EXPECT_TRUE(e->Typer().Waiting());
  EXPECT_EQ(edit->text(), "Espa");
  held = Qt::AltModifier;
  e->Typer().Poll();
  EXPECT_EQ(edit->text(), "Espa");
  held = Qt::ShiftModifier;
  e->Typer().Poll();
  EXPECT_FALSE(e->Typer().Waiting());
  EXPECT_EQ(edit->text(), QString::fromUtf8("Espa\xC3\xB1\xC3\xAD"));
}

TEST_F(AccentKeysTest, SettingsThatAreNotACodeTypeNothing) {
  AppSettings().intKeys[0] = "0300";
  AppSettings().intKeys[1] = "0x41";
  AppSettings().intKeys[2] = "";
  auto e = OpenEditor();
  e->Typer().SetHeldKeys([] { return Qt::NoModifier; });
  QLineEdit* edit = EditWordCell(*e, 1, "owl", 3);
  ASSERT_NE(edit, nullptr);
  for (int key = 1; key <= 3; ++key) Press(*e, key);
  EXPECT_EQ(edit->text(), "owl");
  EXPECT_FALSE(e->Typer().Waiting());
}

}  // namespace
}  // namespace gw
