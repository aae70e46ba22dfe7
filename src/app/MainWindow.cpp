// The main window.
#include "app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "app/AboutDialog.h"
#include "app/ExportPuzzlesDialog.h"
#include "app/ImportPuzzlesDialog.h"
#include "app/TipOfTheDayDialog.h"
#include "app/UserManualDialog.h"
#include "base/IoError.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "designer/LayoutLibraryDialog.h"
#include "editor/AccentKeysDialog.h"
#include "editor/WordListEditor.h"
#include "generator/MakeVersionsDialog.h"
#include "generator/OffensiveWords.h"
#include "language/UserDictionaryDialog.h"
#include "layouts/LayoutLibrary.h"
#include "printing/JpegQualityDialog.h"
#include "printing/PrintOptionsWindow.h"
#include "printing/PuzzleBookWindow.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeLibraryDialog.h"
#include "storage/GroupExchange.h"
#include "storage/OldRecords.h"
#include "storage/StoredKinds.h"
#include "widgets/Choosers.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"
#include "widgets/SortedItem.h"
#include "widgets/SpeedIcons.h"
#include "widgets/Tiles.h"
#include "widgets/UiLanguage.h"

namespace gw {

namespace {

// The help topic on sending puzzles to other people.
constexpr char kDataExchangeKeyword[] = "Data Exchange via Internet";
constexpr char kNeverGenerated[] = QT_TRANSLATE_NOOP(
    "gw::MainWindow",
    "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" "
    "from the menu and create the puzzle first");
constexpr char kNoSelection[] =
    QT_TRANSLATE_NOOP("gw::MainWindow", "No puzzle selected.  Please select a puzzle first.");
constexpr int kRecordRole = Qt::UserRole;

void AddItem(QListWidget* box, const std::string& text, int number) {
  auto* item = new SortedItem(ToQString(text));
  item->setData(kRecordRole, number);
  box->addItem(item);
}

// First item (in display order) whose text equals `text` ignoring letter case; -1 if none.
int FindExact(QListWidget* box, const std::string& text) {
  const QString wanted = ToQString(text);
  for (int i = 0; i < box->count(); ++i)
    if (box->item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

// The painted client area: silver, or the background tile when the setting is on.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent) : QWidget(parent), tile_(BackgroundTile()) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    if (AppSettings().backgroundBitmap) PaintTiled(painter, tile_, size());
  }

 private:
  QImage tile_;
};

QLabel* Heading(QWidget* parent, const char* name, QRect rect) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  label->setFont(DesignFont(31, true));
  label->setProperty("gwKeepDesignFont", true);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
  label->setPalette(pal);
  // A soft shadow keeps the yellow heading readable on silver as well as on the tile.
  auto* shadow = new QGraphicsDropShadowEffect(label);
  shadow->setOffset(2, 2);
  shadow->setBlurRadius(3);
  shadow->setColor(QColor(0, 0, 0, 200));
  label->setGraphicsEffect(shadow);
  return label;
}

}  // namespace

MainWindow::MainWindow(const AppPaths& paths, QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Gridwright 98"));
  SetHelpTopic(this, "Main window");
  // The two lists, the working buffers and the three font objects exist by now (state_, Forms()).
  state_.paths = paths;
  EnableHelpKey(this, state_.paths);

  // Settings: the defaults, then what the file in the start-up directory says.
  SettingsValues& settings = AppSettings();
  settings = SettingsValues::Defaults(paths);
  LoadSettings(SettingsFilePath(paths), settings);
  state_.groupFile = settings.lastGroup;

  BuildClient();
  BuildMenus();
  FormGlobals& forms = Forms();
  FontFromSetting(settings.labelFont, forms.labelFont, forms.labelColor);
  FontFromSetting(settings.editFont, forms.editFont, forms.editColor);
  FontFromSetting(settings.buttonFont, forms.buttonFont, forms.buttonColor);

  // A language that is not installed cannot be chosen, and a stored one falls back.
  languages_ = FindLanguages(paths);
  settings.dictionary = EffectiveDictionary(settings.dictionary, languages_);
  settings.thesaurus = EffectiveThesaurus(settings.thesaurus, languages_);
  for (long v = 1; v <= 8; ++v) dictionaryItems_[v]->setEnabled(languages_.dictionary[v]);
  for (long v = 1; v <= 2; ++v) thesaurusItems_[v]->setEnabled(languages_.thesaurus[v]);
  // With nothing installed there is nothing to choose at use time or to add to.
  dictionaryItems_[9]->setEnabled(languages_.AnyDictionary());
  thesaurusItems_[3]->setEnabled(languages_.AnyThesaurus());
  CheckLanguages();
  CheckUiLanguage();

  background_->setChecked(settings.backgroundBitmap);

  state_.reselect = false;
  ReloadLists();
  if (puzzleBox_->count() > 0) puzzleBox_->setCurrentRow(0);

  forms.scaleFactor =
      FactorForWindowSize(settings.windowSize, forms.screenWidth, forms.screenHeight);
  CheckScreenSize();
  pixelFormats_[0]->setChecked(settings.pixelFormat == 2);
  pixelFormats_[1]->setChecked(settings.pixelFormat == 1);

  SaveMainGeometry(this);
  OfferOldDataConversion();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildClient() {
  client_ = new ClientArea(this);
  client_->resize(632, 413);
  client_->setFont(DesignFont(17));
  setCentralWidget(client_);

  auto* speedPanel = new QWidget(client_);
  speedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  speedPanel->setGeometry(0, 0, 632, 34);
  speedPanel->setAutoFillBackground(true);

  QLabel* categoryHeading = Heading(client_, "CategoryLabel", QRect(16, 42, 230, 38));
  QLabel* puzzleHeading = Heading(client_, "PuzzleLabel", QRect(262, 42, 354, 38));

  categoryBox_ = new QListWidget(client_);
  categoryBox_->setObjectName(QStringLiteral("CategoryBox"));
  categoryBox_->setGeometry(16, 82, 230, 315);
  categoryBox_->setSortingEnabled(true);
  puzzleBox_ = new QListWidget(client_);
  puzzleBox_->setObjectName(QStringLiteral("PuzzleBox"));
  puzzleBox_->setGeometry(262, 82, 354, 315);
  puzzleBox_->setSortingEnabled(true);
  Retranslated([this, categoryHeading, puzzleHeading] {
    categoryHeading->setText(tr("Category"));
    puzzleHeading->setText(tr("Puzzles"));
    // Screen readers name each list after its heading (a list takes no name from a buddy).
    categoryBox_->setAccessibleName(categoryHeading->text());
    puzzleBox_->setAccessibleName(puzzleHeading->text());
  });

  connect(categoryBox_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { CategoryBoxClick(categoryBox_->row(item)); });
  // The arrow keys, Home, End and typing move the current category without a click; the puzzle
  // list follows it however it moves, so no command acts on a puzzle of another category.
  connect(categoryBox_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) CategoryBoxClick(row);
  });
  connect(puzzleBox_, &QListWidget::itemClicked, this, [this] { PuzzleBoxClick(); });
  // Space and Ctrl+click select or clear the current puzzle without moving to another one.
  connect(puzzleBox_, &QListWidget::itemSelectionChanged, this, [this] { UpdateEnabledState(); });
  connect(puzzleBox_, &QListWidget::itemDoubleClicked, this, [this] { PrintPuzzleClick(); });
}

void MainWindow::BuildMenus() {
  // Texts are given untranslated (QT_TR_NOOP) and set again whenever the language changes.
  auto action = [this](QMenu* menu, const char* name, const char* text, QKeySequence key,
                       bool available, auto handler) {
    // Texts may hold UTF-8 (the book and versions commands end in an ellipsis); tr() reads them so.
    QAction* a = menu->addAction(QString());
    Retranslated([a, text] { a->setText(tr(text)); });
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) a->setShortcut(key);
    a->setEnabled(available);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };

  auto submenu = [this](auto* parent, const char* title) {
    QMenu* menu = parent->addMenu(QString());
    Retranslated([menu, title] { menu->setTitle(tr(title)); });
    return menu;
  };

  QMenu* file = submenu(menuBar(), QT_TR_NOOP("&File"));
  newGroup_ = action(file, "NewGroupItem", QT_TR_NOOP("&New Puzzle Group"), QKeySequence("Ctrl+N"),
                     true, [this] { NewGroupClick(); });
  openGroup_ = action(file, "OpenGroupItem", QT_TR_NOOP("&Open Puzzle Group"),
                      QKeySequence("Ctrl+O"), true, [this] { OpenGroupClick(); });
  file->addSeparator();
  newPuzzle_ = action(file, "NewPuzzleItem", QT_TR_NOOP("Ne&w Puzzle"), QKeySequence("Ctrl+W"),
                      true, [this] { NewPuzzleClick(); });
  modifyPuzzle_ = action(file, "ModifyPuzzleItem", QT_TR_NOOP("&Modify Puzzle"),
                         QKeySequence("Ctrl+M"), true, [this] { ModifyPuzzleClick(); });
  copyPuzzle_ = action(file, "CopyPuzzleItem", QT_TR_NOOP("&Copy Puzzle"), QKeySequence("Ctrl+C"),
                       true, [this] { CopyPuzzleClick(); });
  deletePuzzle_ = action(file, "DeletePuzzleItem", QT_TR_NOOP("&Delete Puzzle"),
                         QKeySequence("Ctrl+D"), true, [this] { DeletePuzzleClick(); });
  makeVersions_ = action(file, "MakeVersionsItem", QT_TR_NOOP("Make &Versions\u2026"),
                         QKeySequence(), true, [this] { MakeVersionsClick(); });
  file->addSeparator();
  QAction* importPuzzles = action(file, "ImportPuzzlesItem", QT_TR_NOOP("&Import Puzzles"),
                                  QKeySequence("Ctrl+I"), true, [this] { ImportPuzzlesClick(); });
  QAction* exportPuzzles = action(file, "ExportPuzzlesItem", QT_TR_NOOP("&Export Puzzles"),
                                  QKeySequence("Ctrl+E"), true, [this] { ExportPuzzlesClick(); });
  file->addSeparator();
  printPuzzle_ = action(file, "PrintPuzzleItem", QT_TR_NOOP("&Print Puzzle"),
                        QKeySequence("Ctrl+P"), true, [this] { PrintPuzzleClick(); });
  printBook_ = action(file, "PrintBookItem", QT_TR_NOOP("Print Puzzle &Book\u2026"), QKeySequence(),
                      true, [this] { PrintBookClick(); });
  action(file, "PrinterSetupItem", QT_TR_NOOP("Printer &Setup"), QKeySequence("Ctrl+S"), true,
         [this] { RunPrinterSetup(this); });
  file->addSeparator();
  QAction* exitItem = action(file, "ExitItem", QT_TR_NOOP("E&xit"), QKeySequence("Ctrl+X"), true,
                             [this] { close(); });

  QMenu* edit = submenu(menuBar(), QT_TR_NOOP("&Edit"));
  QAction* pageLayout = action(edit, "PageLayoutItem", QT_TR_NOOP("&Page Layout"),
                               QKeySequence("Ctrl+L"), true, [this] { PageLayoutClick(); });
  QAction* puzzleShape = action(edit, "PuzzleShapeItem", QT_TR_NOOP("Puzzle &Shape"),
                                QKeySequence("Ctrl+H"), true, [this] { PuzzleShapeClick(); });

  QMenu* options = submenu(menuBar(), QT_TR_NOOP("&Options"));
  QMenu* screen = submenu(options, QT_TR_NOOP("S&creen Size"));
  auto* screenGroup = new QActionGroup(this);
  const char* sizeTexts[4] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024"};
  const long sizeValues[4] = {640, 800, 1024, 1280};
  for (int i = 0; i < 4; ++i) {
    const long value = sizeValues[i];
    screenSizes_[i] = action(screen, ("ScreenSize" + std::to_string(value)).c_str(), sizeTexts[i],
                             QKeySequence(Qt::CTRL | (Qt::Key_F1 + i)), true,
                             [this, value] { ScreenSizeClick(value); });
    screenSizes_[i]->setCheckable(true);
    screenGroup->addAction(screenSizes_[i]);
  }
  // Checked only when a size is accepted; the handler decides.
  screenGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
  background_ = action(options, "BackgroundItem", QT_TR_NOOP("&Background Bitmap"),
                       QKeySequence("Ctrl+G"), true, [this] { BackgroundClick(); });
  background_->setCheckable(true);
  action(options, "JpegFactorItem", QT_TR_NOOP("&JPEG Compression Factor"), QKeySequence("Ctrl+J"),
         true, [this] { JpegFactorClick(); });
  QMenu* colors = submenu(options, QT_TR_NOOP("C&olors For Saving Bitmaps && JPEGs"));
  pixelFormats_[0] = action(colors, "Colors256Item", QT_TR_NOOP("&256 Colors"), QKeySequence(),
                            true, [this] { PixelFormatClick(2); });
  pixelFormats_[1] = action(colors, "Colors16MItem", QT_TR_NOOP("&16 Million Colors"),
                            QKeySequence(), true, [this] { PixelFormatClick(1); });
  for (QAction* a : pixelFormats_) a->setCheckable(true);
  action(options, "IntCharsItem", QT_TR_NOOP("&International Characters"), QKeySequence("Ctrl+Y"),
         true, [this] { IntCharsClick(); });
  options->addSeparator();
  QMenu* dictionary = submenu(options, QT_TR_NOOP("&Dictionary Type"));
  dictionary->setObjectName(QStringLiteral("DictionaryMenu"));
  const struct {
    const char* name;
    const char* text;
    long value;
  } dictionaries[] = {{"DictionaryChooseItem", QT_TR_NOOP("&Choose at Spell Check Time"), 9},
                      {"DictionaryAmericanItem", QT_TR_NOOP("&American"), 1},
                      {"DictionaryBritishItem", QT_TR_NOOP("&British"), 2},
                      {"DictionarySpanishItem", QT_TR_NOOP("&Spanish"), 3},
                      {"DictionaryItalianItem", QT_TR_NOOP("&Italian"), 4},
                      {"DictionaryFrenchItem", QT_TR_NOOP("&French"), 5},
                      {"DictionaryGermanItem", QT_TR_NOOP("&German"), 6},
                      {"DictionaryDutchItem", QT_TR_NOOP("&Dutch"), 7},
                      {"DictionarySwedishItem", QT_TR_NOOP("&Swedish"), 8}};
  for (const auto& d : dictionaries) {
    const long value = d.value;
    dictionaryItems_[value] = action(dictionary, d.name, d.text, QKeySequence(), true,
                                     [this, value] { DictionaryClick(value); });
    dictionaryItems_[value]->setCheckable(true);
  }
  addDictionary_ = action(options, "AddDictionaryItem", QT_TR_NOOP("&Add to Dictionary"),
                          QKeySequence("Ctrl+T"), true, [this] { MenuAddDictClick(); });
  excludeDictionary_ =
      action(options, "ExcludeDictionaryItem", QT_TR_NOOP("&Exclude From Dictionary"),
             QKeySequence("Ctrl+U"), true, [this] { MenuExcludeDictClick(); });
  QMenu* thesaurus = submenu(options, QT_TR_NOOP("&Thesaurus"));
  thesaurus->setObjectName(QStringLiteral("ThesaurusMenu"));
  const struct {
    const char* name;
    const char* text;
    long value;
  } thesauri[] = {{"ThesaurusChooseItem", QT_TR_NOOP("&Choose at Thesaurus Use Time"), 3},
                  {"ThesaurusAmericanItem", QT_TR_NOOP("&American"), 1},
                  {"ThesaurusBritishItem", QT_TR_NOOP("&British"), 2}};
  for (const auto& t : thesauri) {
    const long value = t.value;
    thesaurusItems_[value] = action(thesaurus, t.name, t.text, QKeySequence(), true,
                                    [this, value] { ThesaurusClick(value); });
    thesaurusItems_[value]->setCheckable(true);
  }
  options->addSeparator();
  action(options, "LabelFontItem", QT_TR_NOOP("&Label Font"), QKeySequence("Shift+F8"), true,
         [this] { FontClick(0); });
  action(options, "EditFontItem", QT_TR_NOOP("E&dit Font"), QKeySequence("Shift+F9"), true,
         [this] { FontClick(1); });
  action(options, "ButtonFontItem", QT_TR_NOOP("B&utton Font"), QKeySequence("Shift+F10"), true,
         [this] { FontClick(2); });
  options->addSeparator();
  // Each language is listed in its own name, so it is found whatever the windows speak now.
  QMenu* language = submenu(options, QT_TR_NOOP("Lan&guage"));
  language->setObjectName(QStringLiteral("LanguageMenu"));
  for (const UiLanguage& l : UiLanguages()) {
    const QString code = QString::fromLatin1(l.code);
    QAction* item = language->addAction(QString::fromUtf8(l.nativeName));
    item->setObjectName(QStringLiteral("Language_") + code);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, code] { LanguageClick(code); });
    languageItems_.push_back(item);
  }

  QMenu* help = submenu(menuBar(), QT_TR_NOOP("&Help"));
  QAction* contents = action(help, "ContentsItem", QT_TR_NOOP("&Contents"), QKeySequence("Ctrl+K"),
                             true, [this] { ShowHelp(this, state_.paths); });
  action(help, "UserManualItem", QT_TR_NOOP("&User Manual"), QKeySequence(), true,
         [this] { UserManualClick(); });
  action(help, "DataExchangeItem", QT_TR_NOOP("&Data Exchange via Internet"), QKeySequence(), true,
         [this] { ShowHelp(this, state_.paths, kDataExchangeKeyword); });
  action(help, "TipsItem", QT_TR_NOOP("&Review Tips of the Day"), QKeySequence(), true,
         [this] { TipsClick(); });
  help->addSeparator();
  action(help, "AboutItem", QT_TR_NOOP("&About"), QKeySequence("Ctrl+A"), true,
         [this] { AboutClick(); });

  // Speed buttons share the menu items' actions, so they follow the same enabled state.
  struct Speed {
    const char* name;
    const char* hint;
    QAction* action;
    bool gapBefore;
  };
  const Speed speeds[] = {
      {"SpeedNewGroup", QT_TR_NOOP("Create New Puzzle Group"), newGroup_, false},
      {"SpeedOpenGroup", QT_TR_NOOP("Open Puzzle Group"), openGroup_, false},
      {"SpeedNew", QT_TR_NOOP("Create New Puzzle"), newPuzzle_, true},
      {"SpeedModify", QT_TR_NOOP("Modify Puzzle"), modifyPuzzle_, false},
      {"SpeedCopy", QT_TR_NOOP("Copy Puzzle"), copyPuzzle_, false},
      {"SpeedDelete", QT_TR_NOOP("Delete Puzzle"), deletePuzzle_, false},
      {"SpeedImport", QT_TR_NOOP("Import Puzzles"), importPuzzles, true},
      {"SpeedExport", QT_TR_NOOP("Export Puzzles"), exportPuzzles, false},
      {"SpeedPrint", QT_TR_NOOP("Print Puzzle"), printPuzzle_, true},
      {"SpeedShape", QT_TR_NOOP("Create Puzzle Shape"), puzzleShape, true},
      {"SpeedPageLay", QT_TR_NOOP("Page Layout Designer"), pageLayout, false},
      {"SpeedHelp", QT_TR_NOOP("Help"), contents, true},
      {"SpeedExit", QT_TR_NOOP("Exit Program"), exitItem, false},
  };
  QWidget* panel = client_->findChild<QWidget*>(QStringLiteral("SpeedPanel"));
  int x = 4;
  for (const Speed& s : speeds) {
    if (s.gapBefore) x += 10;
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(s.name));
    button->setGeometry(x, 3, 28, 28);
    button->setAutoRaise(true);
    button->setIcon(SpeedIcon(s.name));
    button->setIconSize(QSize(22, 22));
    Retranslated([button, hint = s.hint] {
      button->setToolTip(tr(hint));
      button->setAccessibleName(tr(hint));
    });
    button->setEnabled(s.action->isEnabled());
    connect(button, &QToolButton::clicked, s.action, &QAction::trigger);
    // Follows the action's enabled state without taking over its tool tip.
    connect(s.action, &QAction::changed, button,
            [button, a = s.action] { button->setEnabled(a->isEnabled()); });
    x += 30;
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  ApplyScreenLayout(this, ScalePercent(), 10);
  ApplyUserFonts();
  UpdateEnabledState();
}

void MainWindow::Retranslated(std::function<void()> setTexts) {
  setTexts();
  retranslate_.push_back(std::move(setTexts));
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    for (const auto& setTexts : retranslate_) setTexts();
    CheckUiLanguage();
  }
  QMainWindow::changeEvent(event);
}

void MainWindow::ShowStartupTip() {
  if (AppSettings().showTips) TipsClick();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  AppSettings().lastGroup = state_.groupFile;
  // A settings file that cannot be written is not worth a message at exit; the old one stays.
  SaveSettings(SettingsFilePath(state_.paths), AppSettings());
  QMainWindow::closeEvent(event);
}

void MainWindow::ApplyUserFonts() {
  ApplyFonts(this);
}

// ---- Listing --------------------------------------------------------------------------------

void MainWindow::ReloadLists() {
  try {
    state_.listing = ListGroup(state_.groupFile);
  } catch (const IoError& e) {
    state_.listing = {};
    ShowIoError(e.what());
  }
  // Listing moves the current category itself; that is no user's choice to follow.
  const QSignalBlocker listing(categoryBox_);
  categoryBox_->clear();
  puzzleBox_->clear();
  for (size_t i = 0; i < state_.listing.categories.size(); ++i)
    AddItem(categoryBox_, state_.listing.categories[i], static_cast<int>(i));
  if (categoryBox_->count() > 0) categoryBox_->setCurrentRow(0);
  SelectCategory(0);
  UpdateEnabledState();
}

void MainWindow::SelectCategory(int index) {
  if (categoryBox_->count() == 0) return;
  const QSignalBlocker reselecting(categoryBox_);
  if (state_.reselect) {
    const int found = FindExact(categoryBox_, state_.reselectCategory);
    if (found >= 0) categoryBox_->setCurrentRow(found);
    index = categoryBox_->currentRow();
  }
  if (index < 0 || index >= categoryBox_->count()) index = 0;
  const int category = categoryBox_->item(index)->data(kRecordRole).toInt();
  puzzleBox_->clear();
  for (const GroupListing::Title& t : state_.listing.titles)
    if (t.Category() == category) AddItem(puzzleBox_, t.title, t.Record());
  currentCategory_ = index;
  if (state_.reselect) {
    const int found = FindExact(puzzleBox_, state_.reselectTitle);
    if (found >= 0) puzzleBox_->setCurrentRow(found);
    state_.reselect = false;
  }
}

void MainWindow::CategoryBoxClick(int index) {
  if (index != currentCategory_) SelectCategory(index);
  UpdateEnabledState();
}

void MainWindow::PuzzleBoxClick() {
  UpdateEnabledState();
}

int MainWindow::SelectedRecord() const {
  QListWidgetItem* item = puzzleBox_->currentItem();
  if (!item || !item->isSelected()) return -1;
  return item->data(kRecordRole).toInt();
}

void MainWindow::UpdateEnabledState() {
  const bool selected = SelectedRecord() >= 0;
  modifyPuzzle_->setEnabled(selected);
  copyPuzzle_->setEnabled(selected);
  deletePuzzle_->setEnabled(selected);
  printPuzzle_->setEnabled(selected);
  makeVersions_->setEnabled(selected);
  printBook_->setEnabled(!state_.listing.titles.empty());
}

void MainWindow::PuzzleSaved() {
  ReloadLists();
}

// ---- Group commands -------------------------------------------------------------------------

void MainWindow::NewGroupClick() {
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Create New Puzzle Group").toStdString(),
                                                     tr("QUARL Files (*.QL3)|*.QL3").toStdString(),
                                                     "QL3", state_.groupFile));
  if (!name) return;
  state_.groupFile = *name;
  state_.listing = {};
  categoryBox_->clear();
  puzzleBox_->clear();
  UpdateEnabledState();
}

void MainWindow::OpenGroupClick() {
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForOpen(tr("Open Puzzle Group").toStdString(),
                                                     tr("QUARL Files (*.QL3)|*.QL3").toStdString(),
                                                     "QL3", state_.groupFile));
  if (name) OpenGroupFile(*name);
}

bool MainWindow::OpenGroupFile(const std::string& name) {
  const std::string suffix =
      QFileInfo(QString::fromLocal8Bit(name.c_str())).suffix().toLocal8Bit().toStdString();
  if (!EqualsNoCase(suffix, "QL3")) {
    ShowMessage(tr("The file selected is not a valid Gridwright file."), "Error");
    return false;
  }
  state_.groupFile = name;
  ReloadLists();
  return true;
}

// ---- Import and export ---------------------------------------------------------------------

void MainWindow::ImportPuzzlesClick() {
  SettingsValues& settings = AppSettings();
  const std::optional<std::string> name = RunFileDialog(
      this, FileDialogRequest::ForOpen(
                tr("Import Puzzles").toStdString(),
                tr("QUARL Files (*.QL3)|*.QL3|16 bit QUARL Files (*.QLX)|*.QLX").toStdString(),
                "QL3", settings.lastImportPuzzleFile));
  if (!name) return;
  settings.lastImportPuzzleFile = *name;
  switch (ImportKindOf(*name)) {
    case ImportKind::NotValid:
      ShowMessage(tr("The file selected is not a valid Gridwright file."), "Error");
      return;
    case ImportKind::SinglePuzzle:
      ImportSinglePuzzleFile(*name);
      return;
    case ImportKind::Group:
      break;
  }
  if (SameFile(*name, state_.groupFile)) {
    ShowMessage(tr("Import File cannot be the same as the currently open file."), "Error");
    return;
  }
  ImportPuzzlesDialog import(state_, *name, this);
  if (import.exec() != QDialog::Accepted) return;
  // The selection stays where it was; an empty group selects the first imported puzzle.
  QListWidgetItem* category = categoryBox_->currentItem();
  QListWidgetItem* puzzle = puzzleBox_->currentItem();
  if (category) {
    state_.reselectCategory = FromQString(category->text());
    state_.reselectTitle =
        puzzle && puzzle->isSelected() ? FromQString(puzzle->text()) : import.FirstTitle();
  } else {
    state_.reselectCategory = import.FirstImportedCategory();
    state_.reselectTitle = import.FirstImportedTitle();
  }
  state_.reselect = true;
  ReloadLists();
}

void MainWindow::ImportSinglePuzzleFile(const std::string& name) {
  const bool imported = RunAndReport([&] {
    PageLayout layout;
    LoadLayout(LayoutLibraryPath(state_.paths), AppSettings().defaultPage, layout);
    return ImportSinglePuzzle(name, layout, state_.groupFile, *state_.currentPuzzle);
  });
  if (!imported) return;
  state_.reselectCategory = kOldCategory;
  state_.reselectTitle = state_.currentPuzzle->title.Get();
  state_.reselect = true;
  ReloadLists();
}

void MainWindow::ExportPuzzlesClick() {
  ExportPuzzlesDialog exporter(state_, this);
  exporter.exec();
}

// The previous version's files, found in the start-up directory, are read, converted and removed
// there; the new group and the shapes go where the libraries are (beside the program, or the
// user's data folder for an installed copy).
void MainWindow::OfferOldDataConversion() {
  const OldDataFiles found = FindOldData(state_.paths.startupDir);
  if (found.puzzles.empty() && found.shapes.empty()) return;
  const OldDataTargets targets{state_.paths.LibraryFile(kConvertedGroupName),
                               ShapeLibraryPath(state_.paths)};
  OldDataSummary summary;
  try {
    PageLayout layout;
    if (!found.puzzles.empty())
      LoadLayout(LayoutLibraryPath(state_.paths), AppSettings().defaultPage, layout);
    summary = gw::OfferOldDataConversion(
        found, targets, layout,
        [](const std::string& text, const std::string& caption) {
          return ShowMessage(text, caption, MsgButtons::YesNo) == MsgResult::Yes;
        },
        [](const OpResult& message) { ShowMessage(message.message, message.caption); });
  } catch (const IoError& e) {
    ShowIoError(e.what());
  }
  // Converting into the group that is open shows the new puzzles at once.
  if (summary.puzzles && summary.puzzles->result.ok && SameFile(targets.group, state_.groupFile))
    ReloadLists();
}

// ---- Puzzle commands ------------------------------------------------------------------------

bool MainWindow::ReadSelectedPuzzle(const QString& failureMessage) {
  const int record = SelectedRecord();
  try {
    if (!ReadPuzzle(state_.groupFile, record, *state_.currentPuzzle)) {
      ShowMessage(failureMessage, "Error");
      return false;
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return false;
  }
  return true;
}

void MainWindow::OpenEditor(const QString& caption) {
  WordListEditor editor(*this, caption, this);
  editor.exec();
}

void MainWindow::NewPuzzleClick() {
  InitNewPuzzle(*state_.currentPuzzle);
  state_.newPuzzle = true;
  try {
    CopyDefaultLayout(state_.paths, AppSettings().defaultPage, *state_.currentPuzzle);
  } catch (const IoError& e) {
    // The puzzle has the built-in page; the library's trouble is worth knowing, not a stop.
    ShowIoError(e.what());
  }
  OpenEditor(tr("Create New Puzzle"));
}

void MainWindow::ModifyPuzzleClick() {
  if (SelectedRecord() < 0) {
    ShowMessage(tr(kNoSelection), "Error");
    return;
  }
  state_.newPuzzle = false;
  state_.modifyRecord = SelectedRecord();
  if (!ReadSelectedPuzzle(tr("Unable to access Word List file."))) return;
  OpenEditor(tr("Modify Existing Puzzle"));
}

void MainWindow::CopyPuzzleClick() {
  if (SelectedRecord() < 0) {
    ShowMessage(tr(kNoSelection), "Error");
    return;
  }
  state_.newPuzzle = true;
  state_.modifyRecord = SelectedRecord();
  if (!ReadSelectedPuzzle(tr("Unable to access Word List file."))) return;
  PrepareCopy(*state_.currentPuzzle);
  OpenEditor(tr("Create New Puzzle (copy of existing puzzle)"));
}

void MainWindow::DeletePuzzleClick() {
  const int record = SelectedRecord();
  if (record < 0) {
    ShowMessage(tr(kNoSelection), "Error");
    return;
  }
  QListWidgetItem* item = puzzleBox_->currentItem();
  const std::string title = FromQString(item->text());
  if (ShowMessage(tr("Are you sure you want to delete %1?").arg(item->text()), "Delete",
                  MsgButtons::YesNo) != MsgResult::Yes)
    return;
  // Every failure is reported and leaves the lists as they are: the puzzle is still there.
  try {
    if (!DeletePuzzle(state_.groupFile, record)) {
      ShowMessage(tr("Unable to delete puzzle."), "Error");
      return;
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  const int row = puzzleBox_->row(item);
  QListWidgetItem* category = categoryBox_->item(currentCategory_);
  state_.reselectCategory = category ? FromQString(category->text()) : std::string();
  if (puzzleBox_->count() == 1)
    state_.reselectTitle.clear();
  else if (row > 0)
    state_.reselectTitle = FromQString(puzzleBox_->item(row - 1)->text());
  else
    state_.reselectTitle = title;
  state_.reselect = true;
  ReloadLists();
}

void MainWindow::PrintPuzzleClick() {
  if (SelectedRecord() < 0) {
    ShowMessage(tr(kNoSelection), "Error");
    return;
  }
  if (!ReadSelectedPuzzle(tr("Unable to load puzzle."))) return;
  if (state_.currentPuzzle->puzzleGenerated != 1) {
    ShowMessage(tr(kNeverGenerated), "Warning");
    return;
  }
  // The print options change fonts, the bonus question and the layout of their own copy only.
  auto copy = std::make_unique<PuzzleRecord>(*state_.currentPuzzle);
  const AppPaths paths = state_.paths;
  PrintOptionsWindow report(
      paths, *copy,
      [paths](PageLayout& layout, QWidget* parent) {
        LayoutLibraryDialog pages(paths, LayoutLibraryMode::PickForPrint, &layout, parent);
        return pages.exec() == QDialog::Accepted;
      },
      this);
  report.exec();
}

void MainWindow::MakeVersionsClick() {
  if (SelectedRecord() < 0) {
    ShowMessage(tr(kNoSelection), "Error");
    return;
  }
  if (!ReadSelectedPuzzle(tr("Unable to load puzzle."))) return;
  const PuzzleRecord& stored = *state_.currentPuzzle;
  if (stored.puzzleGenerated != 1) {
    ShowMessage(tr(kNeverGenerated), "Warning");
    return;
  }
  MakeVersionsDialog window(VersionsOfStored(stored, PlacementOptionsFromSettings(AppSettings()),
                                             LoadOffensiveList(state_.paths), 4),
                            this);
  if (window.exec() != QDialog::Accepted) return;
  const VersionsOutcome& made = window.Outcome();
  std::vector<const PuzzleRecord*> versions;
  for (const MadeVersion& v : made.versions) versions.push_back(v.puzzle.get());
  try {
    if (!AppendPuzzles(state_.groupFile, versions)) {
      ShowMessage(tr("Unable to save puzzle."), "Error");
      return;
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  if (!made.notes.empty()) {
    QStringList notes;
    for (const std::string& note : made.notes) notes << TranslatedMessage(note);
    ShowMessage(notes.join(QLatin1Char('\n')).trimmed(), "Notice");
  }
  state_.reselectCategory = made.versions.front().puzzle->category.Get();
  state_.reselectTitle = made.versions.front().puzzle->title.Get();
  state_.reselect = true;
  ReloadLists();
}

void MainWindow::PrintBookClick() {
  PuzzleBookWindow book(state_.paths, state_.groupFile, this);
  book.exec();
}

// ---- Options --------------------------------------------------------------------------------

void MainWindow::ScreenSizeClick(long size) {
  const long sizes[4] = {640, 800, 1024, 1280};
  const int heights[4] = {480, 600, 768, 1024};
  int i = 0;
  while (i < 3 && sizes[i] != size) ++i;
  const FormGlobals& forms = Forms();
  if (size == AppSettings().windowSize) {
    CheckScreenSize();  // undo the toggle of the clicked item
    return;
  }
  if (size != 640 && (forms.screenWidth < size || forms.screenHeight < heights[i])) {
    ShowMessage(tr("Your current screen resolution does not support %1 x %2 pixels.")
                    .arg(size)
                    .arg(heights[i]),
                "Error");
    CheckScreenSize();
    return;
  }
  AppSettings().windowSize = size;
  CheckScreenSize();
  Forms().scaleFactor = FactorForWindowSize(size, forms.screenWidth, forms.screenHeight);
  ApplyScreenLayout(this, ScalePercent(), 10);
  update();
}

// The item of the layout in effect: the stored one, or 640 x 480 when the screen is too small.
void MainWindow::CheckScreenSize() {
  const long sizes[4] = {640, 800, 1024, 1280};
  const FormGlobals& forms = Forms();
  const long effective =
      EffectiveWindowSize(AppSettings().windowSize, forms.screenWidth, forms.screenHeight);
  for (int k = 0; k < 4; ++k) screenSizes_[k]->setChecked(sizes[k] == effective);
}

void MainWindow::BackgroundClick() {
  AppSettings().backgroundBitmap = !AppSettings().backgroundBitmap;
  background_->setChecked(AppSettings().backgroundBitmap);
  client_->update();
}

void MainWindow::JpegFactorClick() {
  JpegQualityDialog dialog(this);
  dialog.exec();
}

void MainWindow::PixelFormatClick(long format) {
  AppSettings().pixelFormat = format;
  pixelFormats_[0]->setChecked(format == 2);
  pixelFormats_[1]->setChecked(format == 1);
}

void MainWindow::FontClick(int which) {
  FormGlobals& forms = Forms();
  QFont* fonts[3] = {&forms.labelFont, &forms.editFont, &forms.buttonFont};
  QColor* colors[3] = {&forms.labelColor, &forms.editColor, &forms.buttonColor};
  FontSetting* settings[3] = {&AppSettings().labelFont, &AppSettings().editFont,
                              &AppSettings().buttonFont};
  const std::optional<FontChoice> choice =
      ChooseFont(this, FontChoice{*fonts[which], *colors[which]});
  if (!choice) return;
  *fonts[which] = choice->font;
  *colors[which] = choice->color;
  FontToSetting(choice->font, choice->color, *settings[which]);
  ApplyUserFonts();
}

void MainWindow::DictionaryClick(long value) {
  if (value >= 1 && value <= 8 && !languages_.dictionary[value]) return;
  if (value == 9 && !languages_.AnyDictionary()) return;
  AppSettings().dictionary = value;
  CheckLanguages();
}

void MainWindow::ThesaurusClick(long value) {
  if (value >= 1 && value <= 2 && !languages_.thesaurus[value]) return;
  if (value == 3 && !languages_.AnyThesaurus()) return;
  AppSettings().thesaurus = value;
  CheckLanguages();
}

void MainWindow::LanguageClick(const QString& code) {
  AppSettings().uiLanguage = code.toStdString();
  ApplyUiLanguage(code);
  CheckUiLanguage();
}

void MainWindow::CheckUiLanguage() {
  const QString current = CurrentUiLanguage();
  for (size_t i = 0; i < languageItems_.size(); ++i)
    languageItems_[i]->setChecked(current == QLatin1String(UiLanguages()[i].code));
}

// The chosen item checked, all others not; 0 (none) checks nothing.
void MainWindow::CheckLanguages() {
  for (long v = 1; v <= 9; ++v) dictionaryItems_[v]->setChecked(v == AppSettings().dictionary);
  for (long v = 1; v <= 3; ++v) thesaurusItems_[v]->setChecked(v == AppSettings().thesaurus);
  addDictionary_->setEnabled(AppSettings().dictionary != 0);
  excludeDictionary_->setEnabled(AppSettings().dictionary != 0);
}

void MainWindow::MenuAddDictClick() {
  UserDictionaryDialog box(state_.paths, AppSettings().dictionary, LexiconKind::Include, this);
  box.exec();
}

void MainWindow::MenuExcludeDictClick() {
  UserDictionaryDialog box(state_.paths, AppSettings().dictionary, LexiconKind::Exclude, this);
  box.exec();
}

void MainWindow::PuzzleShapeClick() {
  ShapeLibraryDialog shapes(state_, this);
  shapes.exec();
}

void MainWindow::PageLayoutClick() {
  LayoutLibraryDialog pages(state_.paths, LayoutLibraryMode::Manage, nullptr, this);
  pages.exec();
}

void MainWindow::TipsClick() {
  TipOfTheDayDialog tips(this);
  tips.exec();
}

void MainWindow::IntCharsClick() {
  AccentKeysDialog dialog(this);
  dialog.exec();
}

void MainWindow::AboutClick() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::UserManualClick() {
  UserManualDialog manual(state_.paths, this);
  manual.exec();
}

}  // namespace gw
