// The word list editor: title, category, words and clues, creation options, shape and layout.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <thread>

#include "editor/PuzzleEntries.h"
#include "session/PuzzleHost.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

namespace gw {

class AccentKeyTyper;
class ShapeListView;
class WordGrid;

class WordListEditor : public QDialog {
  Q_OBJECT

 public:
  // Opened by the main window with the current puzzle prepared; its new-puzzle flag decides
  // the mode (set: new-puzzle mode, clear: edit mode).
  WordListEditor(PuzzleHost& host, const QString& caption, QWidget* parent = nullptr);
  ~WordListEditor() override;

  bool EditMode() const { return editMode_; }

  void FormShow();
  void CancelClick();
  void SaveButtonClick();
  void SetValues();
  bool PuzzleChanged();
  void AdjustWordClues();
  void UseCluesClick();
  int GetWordCount() const;
  void DeleteClueClick();
  void DeleteAllClueClick();
  void AutoShrinkClick();
  void MyTrackChange();
  // Direction d (1 Up .. 8 Up Left): the check box sets the setting, the button inverts it.
  void CheckDirectionClick(int direction);
  void SpeedDirectionClick(int direction);
  void DrawPageBox();
  // Checks the entries, runs the generation and opens the candidate window; a saved candidate
  // closes the editor too.
  void CreateItClick();
  // Edit mode: the hidden phrase of the stored grid; written with the next save.
  void ChangePhraseClick();
  // Another library layout for the puzzle; the thumbnail follows.
  void ChangeLayoutClick();
  // Writes the current puzzle over its record and makes the main window reselect it; a failure
  // is reported and returns false, and the caller keeps the editor open with the edit.
  bool SaveIt();
  // Word/clue text files, read into and written from the grid.
  void ImportClueClick();
  void ExportClueClick();
  // The character keys: the dialog, and F1..F12 (key 1..12) typing into the focused control.
  void IntCharButtonClick();
  void IntKeyClick(int key);
  // "&Spell Check": the chooser first when the language is picked at check time.
  void SpellClueClick();
  // Checks the words (new puzzles only) and the shown clues in the dictionary language in effect.
  void DoSpellCheck();
  // "&Thesaurus": looks up the word of the current row; the chooser first when the thesaurus is
  // picked at use time. Nothing happens without a current row.
  void ThesClick();
  // The lookup dialog for the remembered row; an accepted synonym becomes its clue.
  void DoThesCheck();

  // "About N of M words will fit": worked out in the background a moment after the words, the
  // shape, the directions or the integration change, so typing never waits for it. A new
  // change cancels the estimate under way.
  void ScheduleFitEstimate();
  // Whether an estimate is due or under way (tests and the gallery wait for it).
  bool FitEstimatePending() const;

  WordGrid* Grid() const { return grid_; }
  AccentKeyTyper& Typer() const { return *typer_; }
  ShapeListView& ShapePanel() const { return *shapePanel_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void BuildControls();
  // Spell Check and Thesaurus: their settings, what is installed, and whether clues are shown.
  void UpdateLanguageButtons();
  // Puts the focus on the word column of the row holding word `word` (1-based, blank rows skipped).
  void FocusWord(int word);
  // The controls' texts as typed.
  PuzzleEntries Entries() const;
  // Shows why a text cannot be stored and puts the focus there; false when all is well.
  bool RefuseControlCharacters();
  QPushButton* Button(QWidget* parent, const char* name, const char* text, QRect design);
  void StartFitEstimate();

  PuzzleHost& host_;
  AppState& state_;
  bool editMode_;
  bool shown_ = false;
  std::unique_ptr<PuzzleRecord> snapshot_;
  // The grid's rows as the window opened: a copied puzzle's words were not typed here.
  std::vector<PuzzleEntries::Row> openedRows_;
  int thesRow_ = 0;

  QLineEdit* title_ = nullptr;
  QComboBox* category_ = nullptr;
  QGroupBox* wordsPanel_ = nullptr;
  WordGrid* grid_ = nullptr;
  QCheckBox* useClues_ = nullptr;
  QLineEdit* bonusQuest_ = nullptr;
  QLineEdit* attempts_ = nullptr;
  QCheckBox* autoShrink_ = nullptr;
  QSlider* myTrack_ = nullptr;
  std::array<QCheckBox*, 9> checks_{};
  std::array<QToolButton*, 9> speeds_{};
  QLabel* img_ = nullptr;
  QListWidget* shapeBox_ = nullptr;
  QLabel* layoutImage_ = nullptr;
  std::array<QPushButton*, 6> shapeButtons_{};
  std::unique_ptr<ShapeListView> shapePanel_;

  QPushButton* deleteClue_ = nullptr;
  QPushButton* deleteAllClue_ = nullptr;
  QPushButton* spellClue_ = nullptr;
  QPushButton* thes_ = nullptr;
  QPushButton* importClue_ = nullptr;
  QPushButton* exportClue_ = nullptr;
  QPushButton* changePhrase_ = nullptr;
  QPushButton* createIt_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* changeLayout_ = nullptr;
  QPushButton* intCharButton_ = nullptr;
  AccentKeyTyper* typer_ = nullptr;

  QLabel* fitEstimate_ = nullptr;
  QTimer* estimateDelay_ = nullptr;
  int estimateRound_ = 0;  // the estimate whose figure may still be shown
  bool estimateRunning_ = false;
  // Last member: joined (and asked to stop) before the controls it reports to go away.
  std::jthread estimate_;
};

}  // namespace gw
