// The preview window: "Puzzle Preview".
#include "printing/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/ImageFiles.h"
#include "page/InteractivePage.h"
#include "page/PageRecorder.h"
#include "printing/CopiesDialog.h"
#include "printing/InteractivePageDialog.h"
#include "printing/JpegQualityDialog.h"
#include "printing/MetafileExportDialog.h"
#include "printing/PreviewModel.h"
#include "printing/WebPageWindow.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"
#include "widgets/SpeedIcons.h"

namespace gw {

namespace {

constexpr const char* kBusy = QT_TRANSLATE_NOOP(
    "gw::PreviewWindow", "Previous print job has not yet finished.  Try again later.");
constexpr int kMinWidth = 320, kMinHeight = 240;

// Room around the page: 2.5 % of its size on every side.
QSize Margins(const QSize& page) {
  return QSize(static_cast<int>(std::lround(page.width() * kPageMargin)),
               static_cast<int>(std::lround(page.height() * kPageMargin)));
}

}  // namespace

// The page on a grey desk, with its margins; no shadow.
class PageView : public QWidget {
 public:
  explicit PageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PageView"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(p);
  }
  void SetImage(const QImage& image) {
    image_ = image;
    const QSize m = Margins(image.size());
    setFixedSize(image.size() + 2 * m);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (image_.isNull()) return;
    QPainter p(this);
    const QSize m = Margins(image_.size());
    p.drawImage(QPoint(m.width(), m.height()), image_);
  }

 private:
  QImage image_;
};

PreviewWindow::PreviewWindow(const FinishedJob& job, RecordedPagePrinter& printer, QWidget* parent)
    : QDialog(parent), job_(job), printer_(printer) {
  if (const std::optional<ReportStreamInfo> info = ReadReportInfo(job_.stream))
    pageCount_ = std::max(1, static_cast<int>(info->pages.size()));
  setWindowTitle(tr("Puzzle Preview"));
  SetHelpTopic(this, "Preview");
  setObjectName(QStringLiteral("MyPreview"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("ToolBar"));
  layout->addWidget(bar);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("ScrollBox"));
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  view_ = new PageView(scroll_);
  view_->setAccessibleName(tr("Puzzle page"));
  scroll_->setAccessibleName(tr("Puzzle page"));
  scroll_->setWidget(view_);
  layout->addWidget(scroll_, 1);
  BuildMenus();
  BuildToolBar(bar);

  // The place and size of the last preview, kept on a screen of today.
  const SettingsValues& s = AppSettings();
  QRect rect(static_cast<int>(s.viewerLeft), static_cast<int>(s.viewerTop),
             static_cast<int>(std::max(s.viewerWidth, long{kMinWidth})),
             static_cast<int>(std::max(s.viewerHeight, long{kMinHeight})));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect room = screen->availableGeometry();
    rect.setSize(rect.size().boundedTo(room.size()));
    if (!room.intersects(rect)) rect.moveTopLeft(room.topLeft());
  }
  resize(rect.size());
  move(rect.topLeft());
  setMinimumSize(kMinWidth, kMinHeight);
  ApplyFonts(this);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::BuildMenus() {
  auto* menus = new QMenuBar(this);
  menus->setObjectName(QStringLiteral("MainMenu"));
  layout()->setMenuBar(menus);
  auto add = [this](QMenu* menu, const char* name, const char* text, QKeySequence key,
                    auto handler) {
    // UTF-8 sources, for the ellipsis of the newer items: tr() reads them so.
    QAction* a = menu->addAction(tr(text));
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };

  QMenu* file = menus->addMenu(tr("&File"));
  add(file, "PrintPageItem", QT_TR_NOOP("&Print Page"), QKeySequence("Ctrl+P"),
      &PreviewWindow::PrintPageClick);
  add(file, "MultipleCopiesItem", QT_TR_NOOP("Print &Multiple Copies"), QKeySequence("Ctrl+M"),
      &PreviewWindow::MultipleCopiesClick);
  file->addSeparator();
  add(file, "ExitItem", QT_TR_NOOP("E&xit"), QKeySequence("Ctrl+X"), &PreviewWindow::ExitClick);

  QMenu* view = menus->addMenu(tr("&View"));
  add(view, "PageWidthItem", QT_TR_NOOP("Zoom &Page Width"), QKeySequence("Ctrl+Z"),
      &PreviewWindow::PageWidthClick);
  add(view, "WholePageItem", QT_TR_NOOP("Zoom &Whole Page"), QKeySequence("Ctrl+W"),
      &PreviewWindow::WholePageClick);
  QMenu* in = view->addMenu(tr("Zoom &In"));
  QMenu* out = view->addMenu(tr("Zoom &Out"));
  const struct {
    QMenu* menu;
    const char* name;
    const char* text;
    double zoom;
  } fixed[] = {{in, "Zoom100InItem", "&1 : 1", 100},   {in, "Zoom200Item", "&2 : 1", 200},
               {out, "Zoom100OutItem", "1 : &1", 100}, {out, "Zoom50Item", "1 : &2", 50},
               {out, "Zoom33Item", "1 : &3", 33.3},    {out, "Zoom25Item", "1 : &4", 25},
               {out, "Zoom20Item", "1 : &5", 20}};
  for (const auto& f : fixed) {
    const double zoom = f.zoom;
    add(f.menu, f.name, f.text, QKeySequence(), [this, zoom] { SetZoom(zoom); });
  }
  if (pageCount_ > 1) {
    view->addSeparator();
    add(view, "PreviousPageItem", QT_TR_NOOP("Pre&vious Page"), QKeySequence(Qt::Key_PageUp),
        &PreviewWindow::PreviousPageClick);
    add(view, "NextPageItem", QT_TR_NOOP("&Next Page"), QKeySequence(Qt::Key_PageDown),
        &PreviewWindow::NextPageClick);
  }

  QMenu* graphic = menus->addMenu(tr("&Graphic Export"));
  add(graphic, "BitmapItem", QT_TR_NOOP("Windows &Bitmap (BMP)"), QKeySequence("Ctrl+B"),
      &PreviewWindow::BitmapClick);
  add(graphic, "JpegItem", QT_TR_NOOP("&JPEG (JPG)"), QKeySequence("Ctrl+J"),
      &PreviewWindow::JpegClick);
  // Ctrl+W already zooms to the whole page.
  // A metafile is drawn again from the puzzle; a book's pages have none to draw from.
  add(graphic, "WmfItem", QT_TR_NOOP("&Windows MetaFile (WMF)"), QKeySequence("Ctrl+Shift+W"),
      &PreviewWindow::WmfClick)
      ->setEnabled(job_.puzzle != nullptr);
  add(graphic, "EmfItem", QT_TR_NOOP("&Enhanced MetaFile (EMF)"), QKeySequence("Ctrl+E"),
      &PreviewWindow::EmfClick)
      ->setEnabled(job_.puzzle != nullptr);
  graphic->addSeparator();
  add(graphic, "PdfItem", QT_TR_NOOP("&PDF..."), QKeySequence(), &PreviewWindow::PdfClick);
  add(graphic, "PngItem", QT_TR_NOOP("P&NG..."), QKeySequence(), &PreviewWindow::PngClick);
  add(graphic, "SvgItem", QT_TR_NOOP("&SVG..."), QKeySequence(), &PreviewWindow::SvgClick);
  graphic->addSeparator();
  add(graphic, "JpegFactorItem", QT_TR_NOOP("JPEG Compression &Factor"), QKeySequence("Ctrl+F"),
      &PreviewWindow::JpegFactorClick);
  graphic->addSeparator();
  add(graphic, "HtmlItem", QT_TR_NOOP("&HTML Export"), QKeySequence(), &PreviewWindow::HtmlClick);
  add(graphic, "InteractivePageItem", QT_TR_NOOP("&Interactive Web Page\u2026"), QKeySequence(),
      &PreviewWindow::InteractivePageClick);
}

void PreviewWindow::BuildToolBar(QWidget* bar) {
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(2);
  auto button = [this, bar, row](const char* name, const QString& hint, auto handler) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(SpeedIcon(name));
    b->setIconSize(QSize(24, 24));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    connect(b, &QToolButton::clicked, this, handler);
    row->addWidget(b);
    return b;
  };
  button("PreviewZoomIn", tr("Zoom In"), &PreviewWindow::ZoomInClick);
  button("PreviewZoomOut", tr("Zoom Out"), &PreviewWindow::ZoomOutClick);
  zoomEdit_ = new QLineEdit(bar);
  zoomEdit_->setObjectName(QStringLiteral("ZoomEdit"));
  zoomEdit_->setFixedWidth(zoomEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) +
                           16);
  zoomEdit_->setAlignment(Qt::AlignRight);
  connect(zoomEdit_, &QLineEdit::editingFinished, this, &PreviewWindow::ZoomEditExit);
  zoomEdit_->setAccessibleName(tr("Zoom in percent"));
  row->addWidget(zoomEdit_);
  row->addWidget(new QLabel(QStringLiteral("%"), bar));
  button("PreviewPageWidth", tr("Zoom Page Width"), &PreviewWindow::PageWidthClick);
  button("PreviewWholePage", tr("Zoom Whole Page"), &PreviewWindow::WholePageClick);
  if (pageCount_ > 1) {
    row->addSpacing(12);
    button("PreviewPreviousPage", tr("Previous Page"), &PreviewWindow::PreviousPageClick);
    pageLabel_ = new QLabel(bar);
    pageLabel_->setObjectName(QStringLiteral("PageLabel"));
    pageLabel_->setAlignment(Qt::AlignCenter);
    pageLabel_->setMinimumWidth(
        pageLabel_->fontMetrics().horizontalAdvance(
            tr("Page %1 of %2").arg(QStringLiteral("0000"), QStringLiteral("0000"))) +
        8);
    row->addWidget(pageLabel_);
    button("PreviewNextPage", tr("Next Page"), &PreviewWindow::NextPageClick);
  }
  row->addSpacing(12);
  button("PreviewPrint", tr("Print Page"), &PreviewWindow::PrintAllClick);
  row->addSpacing(12);
  button("PreviewBitmap", tr("Export As Bitmap"), &PreviewWindow::BitmapClick);
  button("PreviewJpeg", tr("Export As JPEG"), &PreviewWindow::JpegClick);
  button("PreviewMetafile", tr("Export As Metafile"), &PreviewWindow::WmfClick)
      ->setEnabled(job_.puzzle != nullptr);
  button("PreviewWeb", tr("Create Web Page"), &PreviewWindow::HtmlClick);
  row->addSpacing(12);
  button("PreviewDone", tr("Done"), &PreviewWindow::ExitClick);
  row->addStretch(1);
}

void PreviewWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  // The page is fitted once the window has its size on screen.
  QTimer::singleShot(0, this, [this] { PageWidthClick(); });
}

// Every way out (Done, Exit, Escape, the title bar) ends here.
void PreviewWindow::done(int result) {
  SettingsValues& s = AppSettings();
  s.viewerLeft = x();
  s.viewerTop = y();
  s.viewerWidth = width();
  s.viewerHeight = height();
  QDialog::done(result);
}

void PreviewWindow::Redraw() {
  image_ = gw::PageImage(job_.stream, page_, zoom_, kScreenDpi, AppSettings().pixelFormat);
  view_->SetImage(image_);
  zoomEdit_->setText(QString::fromStdString(ZoomText(zoom_)));
  if (pageLabel_) pageLabel_->setText(tr("Page %1 of %2").arg(page_ + 1).arg(pageCount_));
}

void PreviewWindow::ShowPage(int page) {
  page_ = std::clamp(page, 0, pageCount_ - 1);
  Redraw();
}

void PreviewWindow::PreviousPageClick() {
  ShowPage(page_ - 1);
}

void PreviewWindow::NextPageClick() {
  ShowPage(page_ + 1);
}

void PreviewWindow::SetZoom(double zoom) {
  zoom_ = ClampZoom(zoom);
  Redraw();
}

void PreviewWindow::ZoomInClick() {
  SetZoom(ZoomIn(zoom_));
}

void PreviewWindow::ZoomOutClick() {
  SetZoom(ZoomOut(zoom_));
}

void PreviewWindow::ZoomEditExit() {
  if (const std::optional<double> zoom = ZoomFromText(FromQString(zoomEdit_->text()), zoom_))
    SetZoom(*zoom);
  else
    zoomEdit_->setText(QString::fromStdString(ZoomText(zoom_)));
}

void PreviewWindow::PageWidthClick() {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(job_.stream);
  if (!info || page_ >= static_cast<int>(info->pages.size())) return SetZoom(zoom_);
  const QSizeF page = info->pages[page_];
  const QSize room = scroll_->maximumViewportSize();
  double zoom = FitWidthZoom(room.width(), page.width(), kScreenDpi);
  // A page taller than the view needs the vertical scroll bar, which takes some of the width.
  if (page.height() * kScreenDpi * zoom / 100 * (1 + 2 * kPageMargin) > room.height())
    zoom = FitWidthZoom(room.width() - scroll_->verticalScrollBar()->sizeHint().width(),
                        page.width(), kScreenDpi);
  SetZoom(zoom);
}

void PreviewWindow::WholePageClick() {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(job_.stream);
  if (!info || page_ >= static_cast<int>(info->pages.size())) return SetZoom(zoom_);
  const QSizeF page = info->pages[page_];
  const QSize room = scroll_->maximumViewportSize();
  SetZoom(WholePageZoom(room.width(), room.height(), page.width(), page.height(), kScreenDpi));
}

bool PreviewWindow::PrinterFree() {
  if (!printer_.Busy()) return true;
  ShowMessage(tr(kBusy), "Error");
  return false;
}

void PreviewWindow::Print(int first, int last, int copies) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const OpResult result = printer_.Print(job_.stream, first, last, copies);
  QApplication::restoreOverrideCursor();
  Report(result);
}

// The whole report, in as many copies as Printer Setup asks for.
void PreviewWindow::PrintAllClick() {
  if (!PrinterFree()) return;
  const std::optional<ReportStreamInfo> info = ReadReportInfo(job_.stream);
  Print(0, info ? static_cast<int>(info->pages.size()) - 1 : 0, 0);
}

void PreviewWindow::PrintPageClick() {
  if (!PrinterFree()) return;
  Print(page_, page_, 1);
}

void PreviewWindow::MultipleCopiesClick() {
  CopiesDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  const CopiesPlan plan = PlanCopies(dialog.Copies(), printer_.MaxCopies());
  if (plan.jobs == 1) {
    if (!PrinterFree()) return;
    Print(page_, page_, plan.copiesPerJob);
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  OpResult result = OpResult::Success();
  for (int job = 0; job < plan.jobs && result.ok; ++job)
    result = printer_.Print(job_.stream, page_, page_, 1);
  QApplication::restoreOverrideCursor();
  Report(result);
}

std::optional<std::string> PreviewWindow::ChooseFile(const QString& title, const QString& filter,
                                                     const char* ext, std::string& remembered) {
  const std::optional<std::string> name = RunFileDialog(
      this, FileDialogRequest::ForSave(title.toStdString(), filter.toStdString(), ext, remembered));
  if (name) remembered = Cut(*name, kRememberedFileLength);
  return name;
}

void PreviewWindow::Report(const OpResult& result) {
  if (result.HasMessage()) ShowMessage(result.message, result.caption);
}

void PreviewWindow::BitmapClick() {
  const auto name = ChooseFile(tr("Save Puzzle As Bitmap"), tr("Bitmap (*.BMP)|*.BMP"), "BMP",
                               AppSettings().lastExportBitmapFile);
  if (name) Report(SaveBitmap(*name, image_));
}

void PreviewWindow::JpegClick() {
  const auto name = ChooseFile(tr("Save Puzzle As JPeg"), tr("JPeg (*.JPG)|*.JPG"), "JPG",
                               AppSettings().lastExportJpegFile);
  if (name) Report(SaveJpeg(*name, image_, static_cast<int>(AppSettings().jpegQuality)));
}

void PreviewWindow::Metafile(MetafileKind kind, const QString& title, const QString& filter,
                             const char* ext, std::string& remembered) {
  const auto name = ChooseFile(title, filter, ext, remembered);
  if (!name) return;
  if (job_.puzzle && LayoutHasBitmap(job_.puzzle->pageLayout))
    ShowMessage(kMetafileBitmapWarning, "Warning");
  MetafileExportDialog window(job_, kind, *name, this);
  window.exec();
}

void PreviewWindow::WmfClick() {
  Metafile(MetafileKind::Wmf, tr("Save Puzzle As MetaFile"), tr("Metafile (*.WMF)|*.WMF"), "WMF",
           AppSettings().lastExportWmfFile);
}

void PreviewWindow::EmfClick() {
  Metafile(MetafileKind::Emf, tr("Save Puzzle As Enhanced MetaFile"),
           tr("Enhanced Metafile (*.EMF)|*.EMF"), "EMF", AppSettings().lastExportEmfFile);
}

void PreviewWindow::PdfClick() {
  const auto name = ChooseFile(tr("Save Puzzle As PDF"), tr("PDF Document (*.PDF)|*.PDF"), "PDF",
                               AppSettings().lastExportPdfFile);
  if (name) Report(SavePdf(*name, job_));
}

void PreviewWindow::PngClick() {
  const auto name = ChooseFile(tr("Save Puzzle As PNG"), tr("PNG Picture (*.PNG)|*.PNG"), "PNG",
                               AppSettings().lastExportPngFile);
  if (name) Report(SavePng(*name, job_, page_));
}

void PreviewWindow::SvgClick() {
  const auto name = ChooseFile(tr("Save Puzzle As SVG"), tr("SVG Drawing (*.SVG)|*.SVG"), "SVG",
                               AppSettings().lastExportSvgFile);
  if (name) Report(SaveSvg(*name, job_, page_));
}

void PreviewWindow::HtmlClick() {
  WebPageWindow window(image_, this);
  window.exec();
}

void PreviewWindow::InteractivePageClick() {
  if (!job_.puzzle) return;
  if (const auto refusal = InteractivePageRefusal(*job_.puzzle)) {
    ShowMessage(tr("A web page cannot be made of this puzzle: %1.")
                    .arg(QCoreApplication::translate("gw::Messages", refusal->c_str())),
                "Error");
    return;
  }
  InteractivePageDialog dialog(job_, this);
  dialog.exec();
}

void PreviewWindow::JpegFactorClick() {
  JpegQualityDialog dialog(this);
  dialog.exec();
}

void PreviewWindow::ExitClick() {
  close();
}

}  // namespace gw
