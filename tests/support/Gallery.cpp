// Every window of the program, with representative content.
#include "support/Gallery.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListWidget>
#include <QResource>
#include <QThread>
#include <filesystem>

#include "app/AboutDialog.h"
#include "app/ExportPuzzlesDialog.h"
#include "app/ImportPuzzlesDialog.h"
#include "app/MainWindow.h"
#include "app/PuzzlePickList.h"
#include "app/TipOfTheDayDialog.h"
#include "app/UserManualDialog.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "designer/GridPropertiesDialog.h"
#include "designer/LayoutLibraryDialog.h"
#include "designer/ObjectBorderDialog.h"
#include "designer/ObjectFillDialog.h"
#include "designer/ObjectGeometryDialog.h"
#include "designer/ObjectPropertiesDialog.h"
#include "designer/ObjectTextDialog.h"
#include "designer/PageDesigner.h"
#include "editor/AccentKeysDialog.h"
#include "editor/WordFile.h"
#include "editor/WordFileExportDialog.h"
#include "editor/WordFileImportDialog.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "generator/BonusQuestionDialog.h"
#include "generator/CandidateWindow.h"
#include "generator/EnlargedCandidateDialog.h"
#include "generator/FillLetters.h"
#include "generator/GenerationProgressWindow.h"
#include "generator/HiddenPhraseDialog.h"
#include "generator/MakeVersionsDialog.h"
#include "generator/PlacementEngine.h"
#include "language/LanguageChooser.h"
#include "language/SpellingDialog.h"
#include "language/ThesaurusDialog.h"
#include "language/ThesaurusSuggestionsDialog.h"
#include "language/UserDictionaryDialog.h"
#include "language/UserLexicon.h"
#include "layouts/LayoutLibrary.h"
#include "page/PuzzleBook.h"
#include "printing/CopiesDialog.h"
#include "printing/InteractivePageDialog.h"
#include "printing/JpegQualityDialog.h"
#include "printing/MetafileExportDialog.h"
#include "printing/PreviewWindow.h"
#include "printing/PrintOptionsWindow.h"
#include "printing/PrintStatusWindow.h"
#include "printing/PuzzleBookWindow.h"
#include "printing/WebPageWindow.h"
#include "shapes/ShapeEditor.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapeLibraryDialog.h"
#include "storage/PuzzleGroup.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/HelpWindow.h"

namespace gw::test {

namespace fs = std::filesystem;

GalleryContext::GalleryContext(const std::string& binDir, const std::string& wordList)
    : home_(qgetenv("HOME")), paths_(dir_.Path(), dir_.Path()) {
  qputenv("HOME", QByteArray::fromStdString(dir_.Path()));
  for (const char* file : {"QLFLAY.DAT", "QLFPAGE.DAT", "Samples.QL3", "QUARL.HLP"})
    fs::copy_file(binDir + "/" + file, dir_.File(file));
  // The main window opens the default group, as on a first start.
  fs::copy_file(binDir + "/Samples.QL3", dir_.File("DEFAULT.QL3"));
  ResetProgramWide(paths_);
  AppSettings().lastGroup = dir_.File("Samples.QL3");
  AppState& s = host_.state;
  s.paths = paths_;
  s.groupFile = dir_.File("Samples.QL3");
  s.listing = ListGroup(s.groupFile);
  ReadPuzzle(s.groupFile, 0, *s.currentPuzzle);
  ReadShape(ShapeLibraryPath(paths_), 0, s.currentShape);

  // Candidates from a shipped word list, as "&Create" would make them: in a 10 x 10 square with
  // two directions and no shared letters, so that some words are left out and say why.
  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  int count = 0;
  if (const auto file = ReadWordFile(wordList))
    for (const std::string& line : file->lines) {
      const WordAndClue entry = SplitWordClue(line, ":");
      if (!entry.word.empty() && count < kMaxWords) {
        ++count;
        puzzle->Word(count).Set(entry.word);
        puzzle->Clue(count).Set(entry.clue);
      }
    }
  puzzle->wordCount = static_cast<int16_t>(count);
  ShapeRecord square;
  MakeNewShape(square);
  square.shapeWidth = square.shapeHeight = 10;
  for (int r = 1; r <= 50; ++r)
    for (int c = 1; c <= 50; ++c) square.SetCell(r, c, r <= 10 && c <= 10);
  puzzle->gridWidth = puzzle->gridHeight = 10;
  PlacementOptions options;
  options.attempts = 8;
  options.seed = 7;
  options.integration = 0;
  options.directions.fill(false);
  options.directions[kRight] = options.directions[kDown] = true;
  const PlacementOutcome run = RunPlacementEngine(*puzzle, square, options, {}, s.candidates);
  diagnosis_ = PlacementDiagnosis(*puzzle, square, options, run);
  QResource::registerResource(QString::fromStdString(dir_.File("QUARL.HLP")),
                              QStringLiteral("/gallery-help"));
}

GalleryContext::~GalleryContext() {
  qputenv("HOME", home_);
  QResource::unregisterResource(QString::fromStdString(dir_.File("QUARL.HLP")),
                                QStringLiteral("/gallery-help"));
}

namespace {

// A starter layout of the library, as the designer and its dialogs are opened on it.
const PageLayout& StarterLayout(GalleryContext& c) {
  static PageLayout layout;
  LoadLayout(LayoutLibraryPath(c.Paths()), 0, layout);
  return layout;
}

// The first object of `kind` in the starter layout.
LayoutObject StarterObject(GalleryContext& c, int kind) {
  const PageLayout& layout = StarterLayout(c);
  for (int i = 0; i < UsedObjectCount(layout); ++i)
    if (layout.objects[i].kind == kind) return layout.objects[i];
  return layout.objects[0];
}

}  // namespace

void SetScale(double scale) {
  Forms().screenWidth = 2800;
  Forms().screenHeight = 2400;
  Forms().scaleFactor = scale;
}

void WaitForFitEstimate(WordListEditor& editor) {
  QElapsedTimer clock;
  clock.start();
  while (editor.FitEstimatePending() && clock.elapsed() < 10000) {
    QApplication::processEvents();
    QThread::msleep(5);
  }
}

void ShowAndSettle(QWidget* window) {
  window->show();
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

namespace {

long WindowSizeFor(double scale) {
  return scale >= 2.0 ? 1280 : scale >= 1.6 ? 1024 : scale >= 1.25 ? 800 : 640;
}

// The import and export dialogs work on the editor's grid: a hidden one holding the current
// puzzle's words, owned by the dialog.
template <typename Dialog>
std::unique_ptr<QWidget> OnPuzzleGrid(GalleryContext& c) {
  auto* grid = new WordGrid;
  const PuzzleRecord& p = *c.Host().state.currentPuzzle;
  for (int row = 1; row <= WordGrid::kRows; ++row) {
    grid->SetCell(WordGrid::kWord, row, ToQString(p.Word(row).Get()));
    grid->SetCell(WordGrid::kClue, row, ToQString(p.Clue(row).Get()));
  }
  auto dialog = std::make_unique<Dialog>(*grid);
  grid->setParent(dialog.get());
  grid->hide();
  return dialog;
}

// The current puzzle recorded as a View/Print job does it, and the session's printer: what the
// preview and the metafile window work on, owned by the window shown.
struct RecordedPage : QObject {
  explicit RecordedPage(const PuzzleRecord& stored) {
    PrintOptions options = PrintOptionsFrom(AppSettings());
    ApplyLayoutDefaults(stored.pageLayout, options);
    PuzzleRecord puzzle = stored;
    const PagePaper paper = PaperOfLayout(puzzle.pageLayout);
    job = RecordPage(puzzle, options, RecordingPage{QSizeF(paper.width, paper.height), 300});
  }
  FinishedJob job;
  std::unique_ptr<RecordedPagePrinter> printer = SessionRecordedPagePrinter("Gallery");
};

template <typename Window, typename... Args>
std::unique_ptr<QWidget> OnRecordedPage(GalleryContext& c, Args... args) {
  auto* page = new RecordedPage(*c.Host().state.currentPuzzle);
  std::unique_ptr<QWidget> window;
  if constexpr (std::is_same_v<Window, PreviewWindow>)
    window = std::make_unique<PreviewWindow>(page->job, *page->printer);
  else
    window = std::make_unique<Window>(page->job, args...);
  page->setParent(window.get());
  return window;
}

// The sample group as a book on 6 x 9 inch pages with its keys at the back, as the preview shows
// it, open at the first page of keys.
std::unique_ptr<QWidget> PreviewOfBook(GalleryContext& c) {
  struct Book : QObject {
    std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
    FinishedJob job;
    std::unique_ptr<RecordedPagePrinter> printer = SessionRecordedPagePrinter("Gallery");
  };
  auto* book = new Book;
  const AppState& s = c.Host().state;
  std::vector<BookPuzzle> pages;
  for (int record = 0; record < static_cast<int>(s.listing.titles.size()); ++record) {
    book->puzzles.push_back(std::make_unique<PuzzleRecord>());
    ReadPuzzle(s.groupFile, record, *book->puzzles.back());
    PrintOptions options = PrintOptionsFrom(AppSettings());
    ApplyLayoutDefaults(book->puzzles.back()->pageLayout, options);
    pages.push_back({book->puzzles.back().get(), options});
  }
  BookOptions options;
  options.trim = TrimSize("6x9");
  options.title = "Samples";
  BookResult result;
  book->job = RecordBook(pages, options, 300, result);
  auto window = std::make_unique<PreviewWindow>(book->job, *book->printer);
  window->ShowPage(static_cast<int>(pages.size()));
  book->setParent(window.get());
  return window;
}

// The web page window over the preview's image of the current puzzle, with every block used.
std::unique_ptr<QWidget> WebPageWindowOnPage(GalleryContext& c) {
  struct Image : QObject {
    QImage image;
  };
  auto* held = new Image;
  RecordedPage page(*c.Host().state.currentPuzzle);
  held->image = PageImage(page.job.stream, 0, 50, kScreenDpi, AppSettings().pixelFormat);
  SettingsValues& s = AppSettings();
  s.secondHeader = {"Find every animal of the plain.\r\nWords go in all eight directions.", false,
                    true, false, 3};
  s.firstFooter = {"Answers next week", false, false, true, 2};
  s.secondFooter = {"<A HREF=\"index.htm\">More puzzles</A>", false, false, false, 3};
  s.horizontalUpper = s.horizontalLower = true;
  auto window = std::make_unique<WebPageWindow>(held->image);
  held->setParent(window.get());
  return window;
}

}  // namespace

std::vector<GalleryWindow> AllWindows() {
  using W = std::unique_ptr<QWidget>;
  return {
      {"main-window",
       [](GalleryContext& c) -> W {
         // The main window reads its size from the settings file; choose it as a user would.
         const long size = WindowSizeFor(Forms().scaleFactor);
         auto main = std::make_unique<MainWindow>(c.Paths());
         main->ScreenSizeClick(size);
         return main;
       }},
      {"open-puzzle-group",
       [](GalleryContext& c) -> W {
         // As File, Open Puzzle Group asks, on the folder of the group.
         const auto shown = [](const char* text) {
           return QCoreApplication::translate("gw::MainWindow", text).toStdString();
         };
         return MakeFileDialog(nullptr,
                               FileDialogRequest::ForOpen(shown("Open Puzzle Group"),
                                                          shown("QUARL Files (*.QL3)|*.QL3"), "QL3",
                                                          c.Host().state.groupFile));
       }},
      {"tip-of-the-day",
       [](GalleryContext&) -> W { return std::make_unique<TipOfTheDayDialog>(); }},
      {"about", [](GalleryContext&) -> W { return std::make_unique<AboutDialog>(); }},
      {"user-manual-notice",
       [](GalleryContext& c) -> W { return std::make_unique<UserManualDialog>(c.Paths()); }},
      {"help",
       [](GalleryContext&) -> W {
         auto help = std::make_unique<HelpWindow>(QStringLiteral(":/gallery-help"));
         help->OpenKeyword("Report Window");
         return help;
       }},
      {"word-list-editor-new",
       [](GalleryContext& c) -> W {
         c.Host().state.newPuzzle = true;
         auto editor =
             std::make_unique<WordListEditor>(c.Host(), MainWindow::tr("Create New Puzzle"));
         // With the estimate of its words in place, as a user sees it a moment after opening.
         editor->FormShow();
         WaitForFitEstimate(*editor);
         return editor;
       }},
      {"word-list-editor-modify",
       [](GalleryContext& c) -> W {
         c.Host().state.newPuzzle = false;
         return std::make_unique<WordListEditor>(c.Host(),
                                                 MainWindow::tr("Modify Existing Puzzle"));
       }},
      {"word-file-import", [](GalleryContext& c) { return OnPuzzleGrid<WordFileImportDialog>(c); }},
      {"word-file-export", [](GalleryContext& c) { return OnPuzzleGrid<WordFileExportDialog>(c); }},
      {"international-characters",
       [](GalleryContext&) -> W { return std::make_unique<AccentKeysDialog>(); }},
      {"spell-check-chooser",
       [](GalleryContext&) -> W {
         static long remembered = 2;
         std::array<bool, 9> all;
         all.fill(true);
         return std::make_unique<SpellingLanguageDialog>(all, remembered);
       }},
      {"spelling-suggestions",
       [](GalleryContext& c) -> W {
         auto dialog = std::make_unique<SpellingDialog>(
             "British", LexiconPath(c.Paths(), 2, LexiconKind::Include));
         dialog->Prepare("ELEFANT", {"ELEPHANT", "ELEGANT", "ELEPHANTINE"});
         return dialog;
       }},
      {"thesaurus-chooser",
       [](GalleryContext&) -> W {
         static long remembered = 1;
         return std::make_unique<ThesaurusLanguageDialog>(std::array<bool, 3>{false, true, true},
                                                          remembered);
       }},
      {"thesaurus-lookup",
       [](GalleryContext& c) -> W {
         auto dialog = std::make_unique<ThesaurusDialog>(c.Paths(), 1, "brave");
         dialog->FormShow();
         return dialog;
       }},
      {"thesaurus-word-suggestions",
       [](GalleryContext&) -> W {
         return std::make_unique<ThesaurusSuggestionsDialog>(
             "GIRAFFES", std::vector<std::string>{"giraffe", "graffiti"});
       }},
      {"building-puzzles",
       [](GalleryContext& c) -> W {
         static PlacementOptions options;
         options.attempts = 5;
         options.seed = 3;
         // Slots of its own: the candidate window shows the context's run and its reasons.
         static CandidateSlots progressSlots;
         AppState& s = c.Host().state;
         return std::make_unique<GenerationProgressWindow>(
             *s.currentPuzzle, s.currentShape, options, ScreenFunction{}, progressSlots);
       }},
      {"candidates",
       [](GalleryContext& c) -> W {
         auto window =
             std::make_unique<CandidateWindow>(c.Host(), c.Host().state.candidates, c.Diagnosis());
         // An excluded word selected: the "Why?" box says why it was left out.
         window->FormShow();
         auto* excluded = window->findChild<QListWidget*>(QStringLiteral("ExcludedWords"));
         if (excluded && excluded->count() > 0) excluded->setCurrentRow(0);
         return window;
       }},
      {"enlarged-view",
       [](GalleryContext& c) -> W {
         return std::make_unique<EnlargedCandidateDialog>(*c.Host().state.candidates[0].record,
                                                          CandidateWindow::tr("Best Fit"));
       }},
      {"make-versions",
       [](GalleryContext& c) -> W {
         return std::make_unique<MakeVersionsDialog>(
             VersionsOfStored(*c.Host().state.currentPuzzle, PlacementOptions{}, {}, 4));
       }},
      {"phrase",
       [](GalleryContext& c) -> W {
         return std::make_unique<HiddenPhraseDialog>(*c.Host().state.currentPuzzle);
       }},
      {"bonus-question",
       [](GalleryContext&) -> W {
         return std::make_unique<BonusQuestionDialog>("Which animal is the tallest?");
       }},
      {"import-puzzles",
       [](GalleryContext& c) -> W {
         AppState& s = c.Host().state;
         auto import = std::make_unique<ImportPuzzlesDialog>(s, s.groupFile);
         import->List().SelectAllClick();
         return import;
       }},
      {"export-puzzles",
       [](GalleryContext& c) -> W {
         return std::make_unique<ExportPuzzlesDialog>(c.Host().state);
       }},
      {"reports",
       [](GalleryContext& c) -> W {
         return std::make_unique<PrintOptionsWindow>(c.Paths(), *c.Host().state.currentPuzzle,
                                                     [](PageLayout&, QWidget*) { return false; });
       }},
      {"report-status",
       [](GalleryContext& c) -> W {
         // The page is recorded, not printed: the window ends showing its outcome.
         return std::make_unique<PrintStatusWindow>(
             ReportMode::Memory, *c.Host().state.currentPuzzle, PrintOptionsFrom(AppSettings()));
       }},
      {"page-layouts",
       [](GalleryContext& c) -> W {
         // A layout of the longest name, of wide letters, as the default.
         const std::string library = LayoutLibraryPath(c.Paths());
         auto layout = std::make_unique<PageLayout>();
         if (ReadLayout(library, 0, *layout)) {
           layout->layoutName.Set("Weekly Word Workouts");
           if (AppendLayout(library, *layout).ok)
             AppSettings().defaultPage = static_cast<long>(ListLayouts(library).size()) - 1;
         }
         return std::make_unique<LayoutLibraryDialog>(c.Paths(), LayoutLibraryMode::Manage,
                                                      nullptr);
       }},
      {"page-designer",
       [](GalleryContext& c) -> W {
         // Small zoom in a window that holds the whole Letter page, as the help shows it.
         AppSettings().zoom = 1;
         AppSettings().designerWidth = 700;
         AppSettings().designerHeight = 600;
         return std::make_unique<PageDesigner>(c.Paths(), DesignerMode::Modify, &StarterLayout(c),
                                               0);
       }},
      {"object-size-and-position",
       [](GalleryContext& c) -> W {
         const PageLayout& l = StarterLayout(c);
         return std::make_unique<ObjectGeometryDialog>(StarterObject(c, kKindPuzzle), 72,
                                                       l.inches != 0, l.pixelWidth, l.pixelHeight);
       }},
      {"object-border",
       [](GalleryContext& c) -> W {
         return std::make_unique<ObjectBorderDialog>(StarterObject(c, kKindRectangle));
       }},
      {"object-fill",
       [](GalleryContext& c) -> W {
         return std::make_unique<ObjectFillDialog>(StarterObject(c, kKindRectangle));
       }},
      {"object-properties",
       [](GalleryContext& c) -> W {
         return std::make_unique<ObjectPropertiesDialog>(StarterObject(c, kKindWords));
       }},
      {"puzzle-properties",
       [](GalleryContext& c) -> W {
         return std::make_unique<GridPropertiesDialog>(StarterObject(c, kKindPuzzle));
       }},
      {"object-text",
       [](GalleryContext& c) -> W {
         return std::make_unique<ObjectTextDialog>(StarterObject(c, kKindText));
       }},
      {"shapes",
       [](GalleryContext& c) -> W { return std::make_unique<ShapeLibraryDialog>(c.Host().state); }},
      {"dictionary-maintenance",
       [](GalleryContext& c) -> W {
         WriteLexicon(LexiconPath(c.Paths(), 2, LexiconKind::Include),
                      {"KWAMELLA", "Siobhan", "Oluwaseun"});
         return std::make_unique<UserDictionaryDialog>(c.Paths(), 2, LexiconKind::Include);
       }},
      {"shape-editor",
       [](GalleryContext& c) -> W {
         return std::make_unique<ShapeEditor>(c.Host().state, ShapeEditor::kModify, 0);
       }},
      {"preview", [](GalleryContext& c) { return OnRecordedPage<PreviewWindow>(c); }},
      {"preview-book", PreviewOfBook},
      {"puzzle-book",
       [](GalleryContext& c) -> W {
         return std::make_unique<PuzzleBookWindow>(c.Paths(), c.Host().state.groupFile);
       }},
      {"copies", [](GalleryContext&) -> W { return std::make_unique<CopiesDialog>(); }},
      {"jpeg-factor", [](GalleryContext&) -> W { return std::make_unique<JpegQualityDialog>(); }},
      {"web-page", WebPageWindowOnPage},
      {"interactive-page",
       [](GalleryContext& c) { return OnRecordedPage<InteractivePageDialog>(c); }},
      {"metafile",
       [](GalleryContext& c) {
         return OnRecordedPage<MetafileExportDialog>(c, MetafileKind::Emf,
                                                     c.Paths().StartupFile("gallery.emf"));
       }},
  };
}

}  // namespace gw::test
