// The puzzle book window: "Print Puzzle Book".
#include "printing/PuzzleBookWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/PageExport.h"
#include "page/PageRecorder.h"
#include "page/RecordedPagePrinter.h"
#include "printing/PreviewWindow.h"
#include "storage/PuzzleGroup.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

constexpr int kRecordRole = Qt::UserRole;

// The trim sizes offered, by their names for TrimSize; the first is each layout's own paper and
// the last takes its size from the edit beside it.
struct TrimChoice {
  const char* text;
  const char* name;
};
constexpr TrimChoice kTrims[] = {
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "Each layout's own paper"), nullptr},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "Letter (8.5 x 11 in)"), "letter"},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "A4 (210 x 297 mm)"), "a4"},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "A5 (148 x 210 mm)"), "a5"},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "6 x 9 in"), "6x9"},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "7 x 10 in"), "7x10"},
    {QT_TRANSLATE_NOOP("gw::PuzzleBookWindow", "Other (W x H in inches)"), nullptr}};
constexpr int kOtherTrim = 6;
constexpr int kKeysPerPage[] = {1, 2, 4, 6};

QLabel* Label(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
  return Named(new QLabel(text, parent), name, rect);
}

}  // namespace

PuzzleBookWindow::PuzzleBookWindow(const AppPaths& paths, const std::string& groupFile,
                                   QWidget* parent)
    : QDialog(parent), paths_(paths), groupFile_(groupFile) {
  setWindowTitle(tr("Print Puzzle Book"));
  SetHelpTopic(this, "Puzzle Book");
  resize(600, 430);
  setFont(DesignFont(15));

  QLabel* puzzlesLabel =
      Label(this, "PuzzlesLabel", tr("Puzzles in the book:"), QRect(12, 12, 270, 22));
  list_ = Named(new QListWidget(this), "PuzzleList", QRect(12, 36, 270, 300));
  // Lists and combo boxes take their names from the labels above them.
  list_->setAccessibleName(puzzlesLabel->text());
  auto* all =
      Named(new QPushButton(tr("&Select All"), this), "SelectAllButton", QRect(12, 344, 130, 28));
  auto* none =
      Named(new QPushButton(tr("C&lear All"), this), "ClearAllButton", QRect(152, 344, 130, 28));
  connect(all, &QPushButton::clicked, this, &PuzzleBookWindow::SelectAllClick);
  connect(none, &QPushButton::clicked, this, &PuzzleBookWindow::ClearAllClick);

  const int x = 300, w = 288;
  QLabel* trimLabel = Label(this, "TrimLabel", tr("Page size:"), QRect(x, 12, w, 22));
  trim_ = Named(new QComboBox(this), "TrimBox", QRect(x, 36, w, 28));
  trimLabel->setBuddy(trim_);
  trim_->setAccessibleName(trimLabel->text());
  for (const TrimChoice& t : kTrims) trim_->addItem(tr(t.text));
  trimEdit_ = Named(new QLineEdit(this), "TrimEdit", QRect(x, 70, w, 28));
  trimEdit_->setPlaceholderText(QStringLiteral("5.5 x 8.5"));
  trimEdit_->setAccessibleName(tr("Other page size, width x height in inches"));

  QLabel* keysLabel = Label(this, "KeysLabel", tr("Answer keys:"), QRect(x, 108, 130, 22));
  keys_ = Named(new QComboBox(this), "KeysBox", QRect(x, 132, 170, 28));
  keysLabel->setBuddy(keys_);
  keys_->setAccessibleName(keysLabel->text());
  keys_->addItems({tr("At the back"), tr("After each puzzle"), tr("None")});
  QLabel* perPageLabel =
      Label(this, "KeysPerPageLabel", tr("Keys a page:"), QRect(x + 180, 108, 108, 22));
  keysPerPage_ = Named(new QComboBox(this), "KeysPerPageBox", QRect(x + 180, 132, 108, 28));
  perPageLabel->setBuddy(keysPerPage_);
  keysPerPage_->setAccessibleName(perPageLabel->text());
  for (int n : kKeysPerPage) keysPerPage_->addItem(QString::number(n));
  keysPerPage_->setCurrentIndex(2);

  pageNumbers_ = Named(new QCheckBox(tr("Page &numbers, from"), this), "PageNumbersCheck",
                       QRect(x, 172, 190, 26));
  pageNumbers_->setChecked(true);
  startNumber_ = Named(new QSpinBox(this), "StartNumberSpin", QRect(x + 198, 171, 90, 28));
  startNumber_->setRange(1, 99999);
  startNumber_->setAccessibleName(tr("First page number"));
  titlePage_ =
      Named(new QCheckBox(tr("&Title page:"), this), "TitlePageCheck", QRect(x, 208, w, 26));
  titleEdit_ = Named(new QLineEdit(this), "TitlePageEdit", QRect(x, 236, w, 28));
  titleEdit_->setAccessibleName(tr("Title of the title page"));
  contents_ = Named(new QCheckBox(tr("&Contents"), this), "ContentsCheck", QRect(x, 274, w, 26));
  largePrint_ = Named(new QCheckBox(tr("&Large print (14 points at least)"), this),
                      "LargePrintCheck", QRect(x, 306, w, 26));
  for (QComboBox* box : {trim_, keys_})
    connect(box, &QComboBox::currentIndexChanged, this, &PuzzleBookWindow::UpdateEnabling);
  for (QCheckBox* box : {pageNumbers_, titlePage_})
    connect(box, &QCheckBox::toggled, this, &PuzzleBookWindow::UpdateEnabling);

  struct Button {
    const char* name;
    const char* text;
    QRect place;
    void (PuzzleBookWindow::*click)();
  };
  const Button buttons[] = {
      {"PreviewButton", QT_TR_NOOP("Pre&view"), QRect(12, 388, 100, 30),
       &PuzzleBookWindow::PreviewClick},
      {"PrintButton", QT_TR_NOOP("&Print"), QRect(120, 388, 100, 30),
       &PuzzleBookWindow::PrintClick},
      {"SavePdfButton", QT_TR_NOOP("Save as P&DF..."), QRect(228, 388, 130, 30),
       &PuzzleBookWindow::SavePdfClick},
      {"HelpButton", QT_TR_NOOP("&Help"), QRect(366, 388, 100, 30), &PuzzleBookWindow::HelpClick}};
  for (const Button& b : buttons) {
    auto* button = Named(new QPushButton(tr(b.text), this), b.name, b.place);
    connect(button, &QPushButton::clicked, this, b.click);
  }
  auto* close = Named(new QPushButton(tr("&Close"), this), "CloseButton", QRect(488, 388, 100, 30));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  findChild<QPushButton*>("PreviewButton")->setDefault(true);

  // The group's own order is the book's.
  try {
    GroupListing listing = ListGroup(groupFile_);
    std::stable_sort(listing.titles.begin(), listing.titles.end(),
                     [](const auto& a, const auto& b) { return a.Record() < b.Record(); });
    for (const GroupListing::Title& t : listing.titles) {
      auto* item = new QListWidgetItem(ToQString(t.title), list_);
      item->setData(kRecordRole, t.Record());
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(Qt::Checked);
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
  }
  UpdateEnabling();
  PlaceDialog(this, false);
}

PuzzleBookWindow::~PuzzleBookWindow() = default;

void PuzzleBookWindow::UpdateEnabling() {
  trimEdit_->setEnabled(trim_->currentIndex() == kOtherTrim);
  keysPerPage_->setEnabled(keys_->currentIndex() == 0);
  startNumber_->setEnabled(pageNumbers_->isChecked());
  titleEdit_->setEnabled(titlePage_->isChecked());
}

void PuzzleBookWindow::SelectAllClick() {
  for (int i = 0; i < list_->count(); ++i) list_->item(i)->setCheckState(Qt::Checked);
}

void PuzzleBookWindow::ClearAllClick() {
  for (int i = 0; i < list_->count(); ++i) list_->item(i)->setCheckState(Qt::Unchecked);
}

std::vector<int> PuzzleBookWindow::ChosenRecords() const {
  std::vector<int> records;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked)
      records.push_back(list_->item(i)->data(kRecordRole).toInt());
  return records;
}

std::optional<BookOptions> PuzzleBookWindow::Options() const {
  BookOptions o;
  const int trim = trim_->currentIndex();
  if (trim == kOtherTrim) {
    o.trim = TrimSize(FromQString(trimEdit_->text()));
    if (!o.trim) {
      ShowMessage(tr("The page size must be a width and a height in inches, such as 5.5 x 8.5, "
                     "each from 2 to 50."),
                  "Error");
      trimEdit_->setFocus();
      return std::nullopt;
    }
  } else if (kTrims[trim].name) {
    o.trim = TrimSize(kTrims[trim].name);
  }
  o.keys = keys_->currentIndex() == 1   ? BookKeys::After
           : keys_->currentIndex() == 2 ? BookKeys::None
                                        : BookKeys::Back;
  o.keysPerPage = kKeysPerPage[std::clamp(keysPerPage_->currentIndex(), 0, 3)];
  o.pageNumbers = pageNumbers_->isChecked();
  o.startNumber = startNumber_->value();
  if (titlePage_->isChecked()) o.titlePage = Trim(FromQString(titleEdit_->text()));
  o.contents = contents_->isChecked();
  o.largePrint = largePrint_->isChecked();
  o.title = !o.titlePage.empty()
                ? o.titlePage
                : FromQString(QFileInfo(QString::fromLocal8Bit(groupFile_.c_str())).baseName());
  return o;
}

bool PuzzleBookWindow::LoadChosen() {
  const std::vector<int> records = ChosenRecords();
  if (records.empty()) {
    ShowMessage(tr("No puzzles have been chosen for the book."), "Error");
    return false;
  }
  puzzles_.clear();
  book_.clear();
  try {
    for (int record : records) {
      auto puzzle = std::make_unique<PuzzleRecord>();
      if (!ReadPuzzle(groupFile_, record, *puzzle)) {
        ShowMessage(tr("Unable to load puzzle."), "Error");
        return false;
      }
      if (puzzle->puzzleGenerated != 1) {
        ShowMessage(tr("A puzzle has never been generated for \"%1\". Please select "
                       "\"File|Modify\" from the menu and create the puzzle first, or leave it "
                       "out of the book.")
                        .arg(ToQString(puzzle->title.Get())),
                    "Warning");
        return false;
      }
      puzzles_.push_back(std::move(puzzle));
    }
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return false;
  }
  // Pages print with the options last chosen for printing, as the print options window opens.
  for (const auto& puzzle : puzzles_) {
    PrintOptions options = PrintOptionsFrom(AppSettings());
    ApplyLayoutDefaults(puzzle->pageLayout, options);
    book_.push_back({puzzle.get(), options});
  }
  return true;
}

void PuzzleBookWindow::ShowWarnings(const BookResult& result) const {
  if (result.warnings.empty()) return;
  QString text;
  for (const BookWarning& w : result.warnings)
    text += tr("%1 (page %2): %3")
                .arg(ToQString(puzzles_[static_cast<size_t>(w.puzzle)]->title.Get()))
                .arg(w.page)
                .arg(TranslatedMessage(w.text)) +
            QStringLiteral("\n\n");
  ShowMessage(text.trimmed(), "Warning");
}

bool PuzzleBookWindow::Record(const BookOptions& options) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  BookResult result;
  const RecordingPage page = RecordingPageFor(PaperOfLayout(book_.front().puzzle->pageLayout));
  job_ = RecordBook(book_, options, page.dpi, result);
  QApplication::restoreOverrideCursor();
  if (!result.refusal.empty()) {
    ShowMessage(result.refusal, "Error");
    return false;
  }
  ShowWarnings(result);
  return !job_.stream.isEmpty();
}

void PuzzleBookWindow::PreviewClick() {
  const std::optional<BookOptions> options = Options();
  if (!options || !LoadChosen() || !Record(*options)) return;
  {
    const std::unique_ptr<RecordedPagePrinter> printer = SessionRecordedPagePrinter(job_.title);
    PreviewWindow preview(job_, *printer, this);
    preview.exec();
  }
  job_.stream.clear();
}

void PuzzleBookWindow::PrintClick() {
  const std::optional<BookOptions> options = Options();
  if (!options || !LoadChosen() || !Record(*options)) return;
  const std::optional<ReportStreamInfo> info = ReadReportInfo(job_.stream);
  const std::unique_ptr<RecordedPagePrinter> printer = SessionRecordedPagePrinter(job_.title);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const OpResult printed =
      printer->Print(job_.stream, 0, info ? static_cast<int>(info->pages.size()) - 1 : 0, 0);
  QApplication::restoreOverrideCursor();
  job_.stream.clear();
  if (printed.HasMessage()) ShowMessage(printed.message, printed.caption);
}

void PuzzleBookWindow::SavePdfClick() {
  const std::optional<BookOptions> options = Options();
  if (!options || !LoadChosen()) return;
  std::string& remembered = AppSettings().lastExportPdfFile;
  const std::optional<std::string> name =
      RunFileDialog(this, FileDialogRequest::ForSave(tr("Save Puzzle Book As PDF").toStdString(),
                                                     tr("PDF Document (*.PDF)|*.PDF").toStdString(),
                                                     "PDF", remembered));
  if (!name) return;
  remembered = Cut(*name, 255);
  if (const std::optional<std::string> problem = PdfOverwriteProblem(*name)) {
    ShowMessage(*problem, "Error");
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  BookResult result;
  const QByteArray bytes = PdfOfBook(book_, *options, result);
  QApplication::restoreOverrideCursor();
  if (!result.refusal.empty()) {
    ShowMessage(result.refusal, "Error");
    return;
  }
  ShowWarnings(result);
  const OpResult saved = SaveWholeFile(*name, bytes);
  if (saved.HasMessage()) ShowMessage(saved.message, saved.caption);
}

void PuzzleBookWindow::HelpClick() {
  ShowHelp(this, paths_, "Puzzle Book");
}

}  // namespace gw
