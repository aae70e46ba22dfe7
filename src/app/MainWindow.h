// The main window: the open puzzle group with its category and puzzle lists, and every command.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <string>

#include "language/Availability.h"
#include "session/AppState.h"
#include "session/PuzzleHost.h"

class QAction;
class QActionGroup;
class QListWidget;
class QListWidgetItem;
class QToolButton;

namespace gw {

class MainWindow : public QMainWindow, public PuzzleHost {
  Q_OBJECT

 public:
  // Creates the window in the order the program starts: state, fonts, the settings from the file
  // in the start-up directory, the installed languages (in the folders `paths` names), the
  // listing of the group, the scale factor, the design geometry. The screen size in Forms() is
  // read before, by the caller.
  explicit MainWindow(const AppPaths& paths, QWidget* parent = nullptr);
  ~MainWindow() override;

  AppState& State() override { return state_; }

  // After a save from another window: select the saved puzzle's category and title again.
  void PuzzleSaved() override;
  // Lists the group again and performs category selection (with reselection when flagged).
  void ReloadLists();
  void UpdateEnabledState();

  // Commands (menu items, speed buttons).
  void NewGroupClick();
  void OpenGroupClick();
  // Opens a group file by name (from the open dialog or the command line); a name without the
  // .QL3 extension is refused with a message.
  bool OpenGroupFile(const std::string& name);
  void NewPuzzleClick();
  void ModifyPuzzleClick();
  void CopyPuzzleClick();
  void DeletePuzzleClick();
  void PrintPuzzleClick();
  // "Make Versions…": versions of the selected puzzle appended to the group.
  void MakeVersionsClick();
  // "Print Puzzle Book…": the group's puzzles as a book.
  void PrintBookClick();
  void ImportPuzzlesClick();
  void ExportPuzzlesClick();
  void PageLayoutClick();
  void PuzzleShapeClick();
  void IntCharsClick();
  void ScreenSizeClick(long size);
  void BackgroundClick();
  void JpegFactorClick();
  void PixelFormatClick(long format);
  void FontClick(int which);         // 0 label, 1 edit, 2 button
  void DictionaryClick(long value);  // 1..8 a language, 9 choose at spell check time
  void ThesaurusClick(long value);   // 1 American, 2 British, 3 choose at use time
  // The user's include and exclude lists of the dictionary language in effect.
  void MenuAddDictClick();
  void MenuExcludeDictClick();
  void TipsClick();
  void AboutClick();
  void UserManualClick();

  // List clicks.
  void CategoryBoxClick(int index);
  void PuzzleBoxClick();

  // The number carried by the selected PuzzleBox item, or -1.
  int SelectedRecord() const;
  QListWidget* CategoryBox() const { return categoryBox_; }
  QListWidget* PuzzleBox() const { return puzzleBox_; }

  // Shows the tip of the day when the setting asks for it (once, at start-up).
  void ShowStartupTip();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildClient();
  void SelectCategory(int index);
  bool ReadSelectedPuzzle(const std::string& failureMessage);
  void OpenEditor(const char* caption);
  void ApplyUserFonts();
  void CheckScreenSize();
  void CheckLanguages();
  void ImportSinglePuzzleFile(const std::string& name);
  // The last step of creation: offers to convert the previous version's files once.
  void OfferOldDataConversion();

  AppState state_;
  LanguageAvailability languages_;
  int currentCategory_ = 0;
  bool shownOnce_ = false;

  QListWidget* categoryBox_ = nullptr;
  QListWidget* puzzleBox_ = nullptr;
  QWidget* client_ = nullptr;

  QAction* newGroup_ = nullptr;
  QAction* openGroup_ = nullptr;
  QAction* newPuzzle_ = nullptr;
  QAction* modifyPuzzle_ = nullptr;
  QAction* copyPuzzle_ = nullptr;
  QAction* deletePuzzle_ = nullptr;
  QAction* printPuzzle_ = nullptr;
  QAction* makeVersions_ = nullptr;
  QAction* printBook_ = nullptr;
  QAction* background_ = nullptr;
  std::array<QAction*, 4> screenSizes_{};
  std::array<QAction*, 2> pixelFormats_{};
  QAction* addDictionary_ = nullptr;
  QAction* excludeDictionary_ = nullptr;
  std::array<QAction*, 10> dictionaryItems_{};  // by "Dictionary" value 1..9
  std::array<QAction*, 4> thesaurusItems_{};    // by "Thesaurus" value 1..3
};

}  // namespace gw
