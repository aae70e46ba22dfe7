// The word list editor.
#include "editor/WordListEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "designer/LayoutLibraryDialog.h"
#include "editor/AccentKeyTyper.h"
#include "editor/AccentKeysDialog.h"
#include "editor/DirectionIcons.h"
#include "editor/PuzzleEntries.h"
#include "editor/WordFileExportDialog.h"
#include "editor/WordFileImportDialog.h"
#include "editor/WordGrid.h"
#include "generator/CandidateWindow.h"
#include "generator/CreateCheck.h"
#include "generator/FitEstimate.h"
#include "generator/GenerationProgressWindow.h"
#include "generator/HiddenPhraseDialog.h"
#include "generator/OffensiveWords.h"
#include "generator/PlacementDiagnosis.h"
#include "language/Availability.h"
#include "language/LanguageChooser.h"
#include "language/SpellingDialog.h"
#include "language/ThesaurusDialog.h"
#include "layouts/LayoutThumbnail.h"
#include "shapes/ShapeListView.h"
#include "widgets/Announce.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

struct DirectionControl {
  int direction;
  const char* name;     // control name suffix
  const char* caption;  // also the settings key
  QPoint compass;       // cell of the arrow in the 3 x 3 compass
};

// In the order of the direction table of the editor (check box and button per direction).
constexpr DirectionControl kDirections[] = {
    {kRight, "Right", QT_TRANSLATE_NOOP("gw::WordListEditor", "Right"), {2, 1}},
    {kLeft, "Left", QT_TRANSLATE_NOOP("gw::WordListEditor", "Left"), {0, 1}},
    {kDown, "Down", QT_TRANSLATE_NOOP("gw::WordListEditor", "Down"), {1, 2}},
    {kUp, "Up", QT_TRANSLATE_NOOP("gw::WordListEditor", "Up"), {1, 0}},
    {kDownRight, "DownRight", QT_TRANSLATE_NOOP("gw::WordListEditor", "Down Right"), {2, 2}},
    {kUpLeft, "UpLeft", QT_TRANSLATE_NOOP("gw::WordListEditor", "Up Left"), {0, 0}},
    {kDownLeft, "DownLeft", QT_TRANSLATE_NOOP("gw::WordListEditor", "Down Left"), {0, 2}},
    {kUpRight, "UpRight", QT_TRANSLATE_NOOP("gw::WordListEditor", "Up Right"), {2, 0}},
};

constexpr int kBonusTypingLimit = 120;

QLabel* Label(QWidget* parent, const char* name, const QString& text, QRect design) {
  return Named(new QLabel(text, parent), name, design);
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title, QRect design) {
  return Named(new QGroupBox(title, parent), name, design);
}

}  // namespace

WordListEditor::WordListEditor(PuzzleHost& host, const QString& caption, QWidget* parent)
    : QDialog(parent), host_(host), state_(host.State()), editMode_(!host.State().newPuzzle) {
  setWindowTitle(caption);
  BuildControls();
  UpdateLanguageButtons();
}

WordListEditor::~WordListEditor() = default;

QPushButton* WordListEditor::Button(QWidget* parent, const char* name, const QString& text,
                                    QRect design) {
  auto* b = Named(new QPushButton(text, parent), name, design);
  b->setAutoDefault(false);
  return b;
}

void WordListEditor::BuildControls() {
  resize(940, 580);
  setFont(DesignFont(13));

  QLabel* titleLabel = Label(this, "TitleLabel", tr("Title"), {12, 13, 40, 18});
  title_ = Named(new QLineEdit(this), "Title", {56, 10, 300, 24});
  title_->setMaxLength(35);
  titleLabel->setBuddy(title_);
  QLabel* categoryLabel = Label(this, "CategoryLabel", tr("Category"), {372, 13, 62, 18});
  category_ = Named(new QComboBox(this), "Category", {436, 10, 240, 24});
  categoryLabel->setBuddy(category_);
  // A combo box is read out by its current entry; its label names it.
  category_->setAccessibleName(categoryLabel->text());
  category_->setEditable(true);
  category_->setInsertPolicy(QComboBox::NoInsert);

  wordsPanel_ = Group(this, "WordsPanel", tr("Words and Clues"), {8, 42, 524, 404});
  grid_ = Named(new WordGrid(wordsPanel_), "WordsCluesGrid", {8, 22, 413, 348});
  useClues_ = Named(new QCheckBox(tr("Use Clues"), wordsPanel_), "UseClues", {8, 376, 120, 22});
  connect(useClues_, &QCheckBox::clicked, this, [this] { UseCluesClick(); });
  deleteClue_ = Button(wordsPanel_, "DeleteClue", tr("De&lete"), {428, 22, 88, 28});
  deleteAllClue_ = Button(wordsPanel_, "DeleteAllClue", tr("Delete &All"), {428, 54, 88, 28});
  spellClue_ = Button(wordsPanel_, "SpellClue", tr("&Spell Check"), {428, 86, 88, 28});
  thes_ = Button(wordsPanel_, "Thes", tr("&Thesaurus"), {428, 118, 88, 28});
  importClue_ = Button(wordsPanel_, "ImportClue", tr("&Import"), {428, 150, 88, 28});
  exportClue_ = Button(wordsPanel_, "ExportClue", tr("&Export"), {428, 182, 88, 28});
  changePhrase_ = Button(wordsPanel_, "ChangePhrase", tr("P&hrase"), {428, 214, 88, 28});
  connect(deleteClue_, &QPushButton::clicked, this, &WordListEditor::DeleteClueClick);
  connect(deleteAllClue_, &QPushButton::clicked, this, &WordListEditor::DeleteAllClueClick);
  connect(spellClue_, &QPushButton::clicked, this, &WordListEditor::SpellClueClick);
  connect(thes_, &QPushButton::clicked, this, &WordListEditor::ThesClick);
  connect(importClue_, &QPushButton::clicked, this, &WordListEditor::ImportClueClick);
  connect(exportClue_, &QPushButton::clicked, this, &WordListEditor::ExportClueClick);
  connect(changePhrase_, &QPushButton::clicked, this, &WordListEditor::ChangePhraseClick);

  QLabel* bonusLabel = Label(this, "BonusLabel", tr("Bonus Question"), {8, 457, 108, 18});
  bonusQuest_ = Named(new QLineEdit(this), "BonusQuest", {116, 454, 416, 24});
  bonusLabel->setBuddy(bonusQuest_);
  bonusQuest_->setMaxLength(kBonusTypingLimit);

  QGroupBox* directions =
      Group(this, "DirectionsPanel", tr("Word Directions"), {540, 42, 172, 200});
  for (const DirectionControl& d : kDirections) {
    const int i = static_cast<int>(&d - kDirections);
    auto* check = new QCheckBox(tr(d.caption), directions);
    Named(check, ("Check" + std::string(d.name)).c_str(),
          {4 + (i / 4) * 68, 112 + (i % 4) * 21, i < 4 ? 66 : 98, 20});
    connect(check, &QCheckBox::clicked, this,
            [this, dir = d.direction] { CheckDirectionClick(dir); });
    checks_[d.direction] = check;
    auto* speed = new QToolButton(directions);
    Named(speed, ("Speed" + std::string(d.name)).c_str(),
          {44 + d.compass.x() * 28, 22 + d.compass.y() * 28, 26, 26});
    speed->setIcon(DirectionIcon(d.direction));
    speed->setIconSize(QSize(18, 18));
    speed->setToolTip(tr(d.caption));
    speed->setAccessibleName(tr(d.caption));
    // The check box beside it does the same from the keyboard; one stop per direction is enough.
    speed->setFocusPolicy(Qt::NoFocus);
    connect(speed, &QToolButton::clicked, this,
            [this, dir = d.direction] { SpeedDirectionClick(dir); });
    speeds_[d.direction] = speed;
  }

  QGroupBox* integration =
      Group(this, "IntegrationPanel", tr("Word Integration"), {540, 248, 172, 62});
  myTrack_ = Named(new QSlider(Qt::Horizontal, integration), "MyTrack", {10, 24, 152, 28});
  myTrack_->setRange(0, 6);
  myTrack_->setSingleStep(1);
  myTrack_->setPageStep(1);
  myTrack_->setTickPosition(QSlider::TicksBelow);
  myTrack_->setTickInterval(1);
  myTrack_->setAccessibleName(tr("Word Integration"));
  connect(myTrack_, &QSlider::valueChanged, this, [this] { MyTrackChange(); });

  QGroupBox* options = Group(this, "OptionsPanel", tr("Options"), {540, 316, 172, 62});
  autoShrink_ = Named(new QCheckBox(tr("Shrin&k"), options), "AutoShrink", {8, 26, 68, 22});
  connect(autoShrink_, &QCheckBox::clicked, this, &WordListEditor::AutoShrinkClick);
  QLabel* attemptsLabel = Label(options, "AttemptsLabel", tr("Attempts"), {76, 29, 62, 18});
  attempts_ = Named(new QLineEdit(options), "Attempts", {138, 26, 30, 24});
  attemptsLabel->setBuddy(attempts_);
  attempts_->setMaxLength(3);

  fitEstimate_ = Named(new QLabel(this), "FitEstimate", {540, 380, 172, 34});
  fitEstimate_->setWordWrap(true);
  fitEstimate_->setAlignment(Qt::AlignCenter);
  estimateDelay_ = new QTimer(this);
  estimateDelay_->setSingleShot(true);
  // Long enough that a word typed in one go is estimated once.
  estimateDelay_->setInterval(250);
  connect(estimateDelay_, &QTimer::timeout, this, &WordListEditor::StartFitEstimate);

  createIt_ = Button(this, "CreateIt", tr("&Create"), {540, 418, 172, 36});
  connect(createIt_, &QPushButton::clicked, this, &WordListEditor::CreateItClick);
  saveButton_ = Button(this, "SaveButton", tr("Sa&ve"), {540, 458, 172, 30});
  connect(saveButton_, &QPushButton::clicked, this, &WordListEditor::SaveButtonClick);
  cancel_ = Button(this, "Cancel", tr("E&xit"), {540, 494, 172, 30});
  connect(cancel_, &QPushButton::clicked, this, &WordListEditor::CancelClick);
  intCharButton_ =
      Button(this, "IntCharButton", tr("International Characters"), {540, 538, 172, 30});
  connect(intCharButton_, &QPushButton::clicked, this, &WordListEditor::IntCharButtonClick);
  // F1..F12 type the international characters of the settings "Int Key 1".."Int Key 12". With
  // Ctrl held the key waits for its release, as it does when Ctrl is pressed after the key.
  typer_ = new AccentKeyTyper(this);
  for (int key = 1; key <= 12; ++key) {
    auto* item = new QAction(QString::number(key), this);
    item->setObjectName(QStringLiteral("N%11").arg(key));
    const int fkey = Qt::Key_F1 + key - 1;
    item->setShortcuts(
        {QKeySequence(fkey), QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(fkey)))});
    connect(item, &QAction::triggered, this, [this, key] { IntKeyClick(key); });
    addAction(item);
  }

  // Wide enough for a size and a name on one line ("15x15 <Current Puzzle>").
  QGroupBox* shape = Group(this, "ShapePanel", tr("Puzzle Shape"), {720, 42, 212, 332});
  shapeBox_ = Named(new QListWidget(shape), "ShapeBox", {6, 22, 200, 62});
  shapeBox_->setAccessibleName(tr("Puzzle Shape"));
  layoutImage_ = Named(new QLabel(shape), "LayoutImage", {32, 88, 148, 148});
  layoutImage_->setAccessibleName(tr("Picture of the puzzle shape"));
  layoutImage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  struct ShapeButton {
    const char* name;
    const char* text;
    void (ShapeListView::*handler)();
  };
  const ShapeButton shapeButtons[6] = {
      {"NewShape", QT_TR_NOOP("&New"), &ShapeListView::NewShapeClick},
      {"CopyShape", QT_TR_NOOP("C&opy"), &ShapeListView::CopyShapeClick},
      {"ModifyShape", QT_TR_NOOP("&Modify"), &ShapeListView::ModifyShapeClick},
      {"DeleteShape", QT_TR_NOOP("&Delete"), &ShapeListView::DeleteShapeClick},
      {"ImportShape", QT_TR_NOOP("Im&port"), &ShapeListView::ImportShapeClick},
      {"ExportShape", QT_TR_NOOP("Expo&rt"), &ShapeListView::ExportShapeClick},
  };
  for (int k = 0; k < 6; ++k)
    shapeButtons_[k] = Button(shape, shapeButtons[k].name, tr(shapeButtons[k].text),
                              {32 + (k % 2) * 76, 244 + (k / 2) * 28, 72, 25});
  shapePanel_ = std::make_unique<ShapeListView>(
      shapeBox_, layoutImage_, shapeButtons_[2], shapeButtons_[3], state_,
      editMode_ ? ShapeListMode{ShapeListMode::EditPuzzle, state_.currentPuzzle.get()}
                : ShapeListMode{ShapeListMode::NewPuzzle, nullptr},
      this);
  for (int k = 0; k < 6; ++k)
    connect(shapeButtons_[k], &QPushButton::clicked, shapePanel_.get(), shapeButtons[k].handler);
  connect(shapePanel_.get(), &ShapeListView::shapeDrawn, this,
          &WordListEditor::ScheduleFitEstimate);
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() == WordGrid::kWord) ScheduleFitEstimate();
  });

  QGroupBox* page = Group(this, "PagePanel", tr("Page Layout"), {720, 380, 212, 190});
  img_ = Named(new QLabel(page), "Img", {47, 20, 117, 137});
  img_->setAccessibleName(tr("Picture of the page layout"));
  changeLayout_ = Button(page, "ChangeLayout", tr("Change La&yout"), {32, 160, 148, 26});
  connect(changeLayout_, &QPushButton::clicked, this, &WordListEditor::ChangeLayoutClick);
}

void WordListEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) FormShow();
}

void WordListEditor::FormShow() {
  if (shown_) return;
  shown_ = true;
  PuzzleRecord& puzzle = *state_.currentPuzzle;

  PlaceDialog(this, true);
  grid_->SetFixedThrough(editMode_ ? WordGrid::kWord : WordGrid::kUsed);
  AdjustWordClues();
  if (AppSettings().useClues) {
    useClues_->setChecked(true);
    UseCluesClick();
  }

  shapePanel_->LoadInLayouts();
  shapePanel_->SelectDefaultEntry();
  shapePanel_->LoadALayout();
  shapePanel_->DrawTheBox();

  category_->clear();
  for (const std::string& c : state_.listing.categories) category_->addItem(ToQString(c));
  // The box's limit is for typing; a longer stored question (the record holds 150) shows whole,
  // since the box would otherwise cut it and an untouched Exit would offer to save the cut text.
  const QString bonus = ToQString(puzzle.bonusQuestion.Get());
  bonusQuest_->setMaxLength(std::max(kBonusTypingLimit, static_cast<int>(bonus.size())));
  bonusQuest_->setText(bonus);
  title_->setText(ToQString(puzzle.title.Get()));
  category_->setCurrentText(ToQString(puzzle.category.Get()));
  for (int row = 1; row <= WordGrid::kRows; ++row) {
    grid_->SetCell(WordGrid::kWord, row, ToQString(puzzle.Word(row).Get()));
    grid_->SetCell(WordGrid::kClue, row, ToQString(puzzle.Clue(row).Get()));
  }
  openedRows_ = grid_->Rows();

  const SettingsValues& s = AppSettings();
  attempts_->setText(ToQString(FormatGrouped(static_cast<double>(s.attempts))));
  autoShrink_->setChecked(s.shrink);
  for (const DirectionControl& d : kDirections)
    checks_[d.direction]->setChecked(s.directions[d.direction]);
  myTrack_->blockSignals(true);
  myTrack_->setValue(static_cast<int>(s.integration));
  myTrack_->blockSignals(false);

  DrawPageBox();
  title_->setFocus();

  if (!editMode_) {
    changePhrase_->hide();
    changePhrase_->setEnabled(false);
    saveButton_->hide();
    saveButton_->setEnabled(false);
  } else {
    for (const DirectionControl& d : kDirections) {
      checks_[d.direction]->setEnabled(false);
      speeds_[d.direction]->setEnabled(false);
    }
    myTrack_->setEnabled(false);
    shapeBox_->setEnabled(false);
    for (QPushButton* b : shapeButtons_) b->setEnabled(false);
    createIt_->setEnabled(false);
    autoShrink_->setEnabled(false);
    attempts_->setEnabled(false);
    importClue_->setEnabled(false);
    deleteClue_->setEnabled(false);
    deleteAllClue_->setEnabled(false);
    snapshot_ = std::make_unique<PuzzleRecord>(puzzle);
    // A stored puzzle keeps its grid: there is nothing to estimate.
    fitEstimate_->hide();
  }
  UpdateLanguageButtons();
  ScheduleFitEstimate();
}

void WordListEditor::AdjustWordClues() {
  const bool clues = AppSettings().useClues;
  wordsPanel_->setTitle(clues ? tr("Words and Clues") : tr("Words"));
  grid_->setAccessibleName(wordsPanel_->title());
  grid_->SetColumns(clues ? 4 : 3);
  const int widths[4] = {24, 12, 100, 253};
  const int percent = FormPercent(this);
  for (int c = 0; c < 4; ++c) grid_->setColumnWidth(c, widths[c] * percent / 100);
  const int rowHeight = 18 * percent / 100;
  for (int r = 0; r < WordGrid::kRows; ++r) grid_->setRowHeight(r, rowHeight);
  MoveToDesign(grid_, clues ? QRect(8, 22, 413, 348) : QRect(134, 22, 160, 348));
  const int buttonsLeft = clues ? 428 : 301;
  QPushButton* buttons[] = {deleteClue_, deleteAllClue_, spellClue_,   thes_,
                            importClue_, exportClue_,    changePhrase_};
  for (int i = 0; i < 7; ++i) MoveToDesign(buttons[i], QRect(buttonsLeft, 22 + i * 32, 88, 28));

  const PuzzleRecord& puzzle = *state_.currentPuzzle;
  for (int row = 1; row <= WordGrid::kRows; ++row) {
    grid_->SetCell(WordGrid::kCnt, row, QString::number(row));
    grid_->SetCell(WordGrid::kUsed, row,
                   puzzle.wordPlaced[row - 1] == 1 ? QStringLiteral("x") : QString());
    grid_->SetCell(WordGrid::kWord, row, ToQString(puzzle.Word(row).Get()));
    if (clues) grid_->SetCell(WordGrid::kClue, row, ToQString(puzzle.Clue(row).Get()));
  }
}

void WordListEditor::UseCluesClick() {
  grid_->CommitOpenEditor();
  PuzzleRecord& puzzle = *state_.currentPuzzle;
  const bool ticked = useClues_->isChecked();
  AppSettings().useClues = ticked;
  for (int row = 1; row <= WordGrid::kRows; ++row) {
    puzzle.Word(row).Set(FromQString(grid_->Cell(WordGrid::kWord, row)));
    if (!ticked) puzzle.Clue(row).Set(FromQString(grid_->Cell(WordGrid::kClue, row)));
  }
  UpdateLanguageButtons();
  AdjustWordClues();
}

PuzzleEntries WordListEditor::Entries() const {
  PuzzleEntries entries;
  entries.title = FromQString(title_->text());
  entries.category = FromQString(category_->currentText());
  entries.bonusQuestion = FromQString(bonusQuest_->text());
  entries.rows = grid_->Rows();
  return entries;
}

bool WordListEditor::RefuseControlCharacters() {
  const std::optional<EntryProblem> problem = FindControlCharacters(Entries());
  if (!problem) return false;
  ShowMessage(problem->message, "Error");
  switch (problem->field) {
    case EntryProblem::Title:
      title_->setFocus();
      break;
    case EntryProblem::Category:
      category_->setFocus();
      break;
    case EntryProblem::BonusQuestion:
      bonusQuest_->setFocus();
      break;
    case EntryProblem::Word:
    case EntryProblem::Clue:
      grid_->setFocus();
      grid_->setCurrentCell(problem->row - 1, problem->field == EntryProblem::Word
                                                  ? WordGrid::kWord
                                                  : WordGrid::kClue);
      break;
  }
  return true;
}

int WordListEditor::GetWordCount() const {
  return CountWords(Entries().rows);
}

void WordListEditor::DeleteClueClick() {
  grid_->CommitOpenEditor();
  const int r = grid_->currentRow() + 1;
  if (r < 1) return;
  for (int i = r; i < WordGrid::kRows; ++i)
    for (int c = WordGrid::kUsed; c <= WordGrid::kClue; ++c)
      grid_->SetCell(c, i, grid_->Cell(c, i + 1));
  for (int c = WordGrid::kUsed; c <= WordGrid::kClue; ++c)
    grid_->SetCell(c, WordGrid::kRows, QString());
  grid_->setFocus();
}

void WordListEditor::DeleteAllClueClick() {
  grid_->CommitOpenEditor();
  if (GetWordCount() == 0) {
    ShowMessage(tr("All words are already cleared."), "Error");
    return;
  }
  if (ShowMessage(tr("This will remove all words and clues.  Continue?"), "Warning",
                  MsgButtons::YesNo) != MsgResult::Yes)
    return;
  for (int row = 1; row <= WordGrid::kRows; ++row) {
    grid_->SetCell(WordGrid::kWord, row, QString());
    grid_->SetCell(WordGrid::kClue, row, QString());
  }
}

void WordListEditor::SetValues() {
  ApplyEntries(Entries(), *state_.currentPuzzle);
}

bool WordListEditor::PuzzleChanged() {
  SetValues();
  return snapshot_ && PuzzleDiffers(*state_.currentPuzzle, *snapshot_);
}

void WordListEditor::CancelClick() {
  grid_->CommitOpenEditor();
  // A new puzzle is not saved by leaving, so the words typed for it would simply be gone.
  if (!editMode_ && HasTypedEntries(openedRows_, grid_->Rows()) &&
      ShowMessage(tr("Discard the words you typed?"), "Warning", MsgButtons::YesNoDefaultNo) !=
          MsgResult::Yes)
    return;
  if (editMode_ && PuzzleChanged()) {
    switch (ShowMessage(tr("Puzzle has been modified.  Save changes?"), "Warning",
                        MsgButtons::YesNoCancel)) {
      case MsgResult::Cancel:
        return;
      case MsgResult::Yes:
        // A failed save has been reported; the editor stays with the edit.
        if (!SaveIt()) return;
        break;
      default:
        break;
    }
  }
  QDialog::done(QDialog::Rejected);
}

void WordListEditor::SaveButtonClick() {
  grid_->CommitOpenEditor();
  if (Trim(FromQString(title_->text())).empty()) {
    ShowMessage(tr("No title specified.  Please correct."), "Error");
    title_->setFocus();
    return;
  }
  if (Trim(FromQString(category_->currentText())).empty()) {
    ShowMessage(tr("No category specified.  Please correct."), "Error");
    category_->setFocus();
    return;
  }
  if (RefuseControlCharacters()) return;
  SetValues();
  if (SaveIt()) QDialog::done(QDialog::Accepted);
}

bool WordListEditor::SaveIt() {
  return SaveAndReport(host_);
}

void WordListEditor::CreateItClick() {
  grid_->CommitOpenEditor();
  const long attempts = ReadNumber(Trim(FromQString(attempts_->text())));
  if (const auto problem =
          CheckCreateInputs(FromQString(title_->text()), FromQString(category_->currentText()),
                            GetWordCount(), attempts)) {
    ShowMessage(problem->message, "Error");
    switch (problem->field) {
      case CreateProblem::Title:
        title_->setFocus();
        break;
      case CreateProblem::Category:
        category_->setFocus();
        break;
      case CreateProblem::Attempts:
        attempts_->setFocus();
        break;
      default:
        break;
    }
    return;
  }
  if (RefuseControlCharacters()) return;
  AppSettings().attempts = attempts;

  PuzzleRecord& puzzle = *state_.currentPuzzle;
  const ShapeRecord& shape = state_.currentShape;
  puzzle.gridWidth = static_cast<int16_t>(ClampedShapeWidth(shape));
  puzzle.gridHeight = static_cast<int16_t>(ClampedShapeHeight(shape));
  SetValues();
  if (const auto problem = CheckWordLengths(puzzle, puzzle.gridWidth, puzzle.gridHeight)) {
    ShowMessage(problem->message, "Error");
    FocusWord(problem->word);
    return;
  }
  // Copies of one word would all be placed on the same cells.
  if (const DuplicateWords repeated = FindDuplicateWords(puzzle); repeated.Any()) {
    if (ShowMessage(TranslatedMessage(DuplicateWordsText(repeated.words)) + tr("  Continue?"),
                    "Warning", MsgButtons::YesNo) != MsgResult::Yes) {
      FocusWord(repeated.firstRepeat);
      return;
    }
  }

  const OffensiveScreen screen(EntriesClearOfWords(LoadOffensiveList(state_.paths), puzzle));
  const PlacementOptions options = PlacementOptionsFromSettings(AppSettings());
  const PlacementOutcome run = RunPlacement(state_, options, screen, this);
  // Several attempts run under the progress window, which says why the run stopped; one runs
  // without it, and the empty candidate window alone would not tell.
  if (run.refusedLimitReached && options.attempts == 1)
    ShowMessage(tr("Offensive-word screening refused every attempt, so no puzzle could be made."),
                "Notice");
  CandidateWindow candidates(host_, state_.candidates,
                             PlacementDiagnosis(puzzle, shape, options, run), this);
  candidates.exec();
  if (candidates.Saved()) QDialog::done(QDialog::Accepted);
}

void WordListEditor::FocusWord(int word) {
  // Word i is the i-th filled row: blank rows were closed up when the words were taken.
  for (int row = 1, seen = 0; row <= WordGrid::kRows; ++row)
    if (!Trim(FromQString(grid_->Cell(WordGrid::kWord, row))).empty() && ++seen == word) {
      grid_->setFocus();
      grid_->setCurrentCell(row - 1, WordGrid::kWord);
      return;
    }
}

void WordListEditor::ChangePhraseClick() {
  grid_->CommitOpenEditor();
  HiddenPhraseDialog phrase(*state_.currentPuzzle, this);
  if (phrase.exec() == QDialog::Accepted) phrase.ApplyTo(*state_.currentPuzzle);
}

void WordListEditor::ImportClueClick() {
  grid_->CommitOpenEditor();
  WordFileImportDialog import(*grid_, this);
  import.exec();
}

void WordListEditor::ExportClueClick() {
  grid_->CommitOpenEditor();
  WordFileExportDialog exportDialog(*grid_, this);
  exportDialog.exec();
}

void WordListEditor::IntCharButtonClick() {
  AccentKeysDialog dialog(this);
  dialog.exec();
}

void WordListEditor::IntKeyClick(int key) {
  typer_->Type(AppSettings().intKeys[static_cast<size_t>(key - 1)]);
}

void WordListEditor::ChangeLayoutClick() {
  // The puzzle's own copy changes; in edit mode that counts as a change to save on Exit.
  LayoutLibraryDialog pages(state_.paths, LayoutLibraryMode::PickForPuzzle,
                            &state_.currentPuzzle->pageLayout, this);
  if (pages.exec() == QDialog::Accepted) DrawPageBox();
}

void WordListEditor::UpdateLanguageButtons() {
  const LanguageAvailability installed = FindLanguages(state_.paths);
  const bool clues = AppSettings().useClues;
  // A stored puzzle's words are fixed, so without clues there is nothing to check.
  spellClue_->setEnabled(AppSettings().dictionary != 0 && installed.AnyDictionary() &&
                         (clues || !editMode_));
  thes_->setEnabled(AppSettings().thesaurus != 0 && installed.AnyThesaurus() && clues);
}

void WordListEditor::SpellClueClick() {
  SettingsValues& s = AppSettings();
  if (s.dictionary != 9) {
    DoSpellCheck();
    return;
  }
  SpellingLanguageDialog chooser(FindLanguages(state_.paths).dictionary, s.userDictionary, this);
  if (chooser.exec() != QDialog::Accepted) return;
  s.dictionary = chooser.Chosen();
  DoSpellCheck();
  s.dictionary = 9;
}

void WordListEditor::DoSpellCheck() {
  const bool clues = AppSettings().useClues;
  std::vector<SpellRow> rows(WordGrid::kRows);
  for (int row = 1; row <= WordGrid::kRows; ++row)
    rows[row - 1] = {FromQString(grid_->Cell(WordGrid::kWord, row)),
                     clues ? FromQString(grid_->Cell(WordGrid::kClue, row)) : std::string()};
  RunSpellCheck(this, state_.paths, AppSettings().dictionary, rows, !editMode_,
                [this, &rows](size_t r) {
                  const int row = static_cast<int>(r) + 1;
                  grid_->SetCell(WordGrid::kWord, row, ToQString(rows[r].word));
                  grid_->SetCell(WordGrid::kClue, row, ToQString(rows[r].clue));
                });
}

void WordListEditor::ThesClick() {
  const int row = grid_->currentRow() + 1;
  if (row < 1) return;
  thesRow_ = row;
  SettingsValues& s = AppSettings();
  if (s.thesaurus != 3) {
    DoThesCheck();
    return;
  }
  ThesaurusLanguageDialog chooser(FindLanguages(state_.paths).thesaurus, s.userThesaurus, this);
  if (chooser.exec() != QDialog::Accepted) return;
  s.thesaurus = chooser.Chosen();
  DoThesCheck();
  s.thesaurus = 3;
}

void WordListEditor::DoThesCheck() {
  ThesaurusDialog lookup(state_.paths, AppSettings().thesaurus,
                         Trim(FromQString(grid_->Cell(WordGrid::kWord, thesRow_))), this);
  lookup.exec();
  if (lookup.Result())
    grid_->SetCell(WordGrid::kClue, thesRow_,
                   ToQString(Cut(*lookup.Result(), WordGrid::kClueLimit)));
}

void WordListEditor::AutoShrinkClick() {
  AppSettings().shrink = autoShrink_->isChecked();
}

void WordListEditor::MyTrackChange() {
  AppSettings().integration = myTrack_->value();
  ScheduleFitEstimate();
}

void WordListEditor::CheckDirectionClick(int direction) {
  AppSettings().directions[direction] = checks_[direction]->isChecked();
  ScheduleFitEstimate();
}

void WordListEditor::SpeedDirectionClick(int direction) {
  const bool on = !AppSettings().directions[direction];
  AppSettings().directions[direction] = on;
  checks_[direction]->setChecked(on);
  ScheduleFitEstimate();
}

void WordListEditor::ScheduleFitEstimate() {
  if (editMode_ || !shown_) return;
  // The figure shown is for the input before the change: greyed until the new one comes.
  ++estimateRound_;
  fitEstimate_->setEnabled(false);
  estimateDelay_->start();
}

bool WordListEditor::FitEstimatePending() const {
  return estimateDelay_->isActive() || estimateRunning_;
}

void WordListEditor::StartFitEstimate() {
  // What the estimate needs is copied here, on the window's thread; the attempts run on their
  // own. Replacing the thread asks the one under way to stop and waits for its current attempt.
  auto list = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*list);
  PuzzleEntries entries;
  entries.rows = grid_->Rows();
  ApplyEntries(entries, *list);
  const int round = estimateRound_;
  if (list->wordCount == 0) {
    estimate_ = {};
    estimateRunning_ = false;
    fitEstimate_->clear();
    return;
  }
  estimateRunning_ = true;
  estimate_ = std::jthread([this, round, list = std::move(list), shape = state_.currentShape,
                            options = PlacementOptionsFromSettings(AppSettings()),
                            paths = state_.paths](std::stop_token stop) {
    const OffensiveScreen screen(EntriesClearOfWords(LoadOffensiveList(paths), *list));
    const std::optional<FitEstimate> estimate =
        EstimateFit(*list, shape, options, screen, [&stop] { return stop.stop_requested(); });
    if (!estimate) return;
    QMetaObject::invokeMethod(
        this,
        [this, round, estimate = *estimate] {
          if (round != estimateRound_) return;  // the input changed meanwhile
          estimateRunning_ = false;
          fitEstimate_->setText(
              tr("About %1 of %2 words will fit").arg(estimate.fit).arg(estimate.words));
          fitEstimate_->setEnabled(true);
          // Heard as it changes, like the figure seen beside the words.
          AnnounceStatus(fitEstimate_, fitEstimate_->text());
        },
        Qt::QueuedConnection);
  });
}

void WordListEditor::DrawPageBox() {
  QImage image(img_->size().isEmpty() ? QSize(117, 137) : img_->size(), QImage::Format_RGB32);
  gw::DrawPageBox(image, state_.currentPuzzle->pageLayout);
  img_->setPixmap(QPixmap::fromImage(image));
}

void WordListEditor::reject() {
  CancelClick();
}

void WordListEditor::closeEvent(QCloseEvent* event) {
  // The window's close box behaves like "E&xit": a changed puzzle is offered for saving.
  event->ignore();
  CancelClick();
}

}  // namespace gw
