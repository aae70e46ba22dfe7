// The preview window: the recorded page on screen, zoomed, printed and saved as pictures.
#pragma once

#include <QDialog>
#include <QImage>
#include <string>

#include "page/PageExport.h"
#include "page/RecordedPagePrinter.h"

class QAction;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace gw {

class PageView;

// "Puzzle Preview" over the report stream of a View/Print job. The window keeps its place and
// size in the settings; the zoom is kept within 10 and 200 percent. A stream of several pages (a
// puzzle book) is paged through with Previous and Next Page; a job without a puzzle is not drawn
// again as a metafile.
class PreviewWindow : public QDialog {
  Q_OBJECT

 public:
  // The job and the printer outlive the window.
  PreviewWindow(const FinishedJob& job, RecordedPagePrinter& printer, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // Zoom.
  void ZoomInClick();
  void ZoomOutClick();
  void ZoomEditExit();  // Enter or leaving the zoom edit
  void PageWidthClick();
  void WholePageClick();
  void SetZoom(double zoom);
  double Zoom() const { return zoom_; }

  // Paging through a stream of several pages; the zoom stays.
  void PreviousPageClick();
  void NextPageClick();
  void ShowPage(int page);  // 0-based, brought within the stream's pages
  int PageCount() const { return pageCount_; }

  // Printing.
  void PrintAllClick();
  void PrintPageClick();
  void MultipleCopiesClick();

  // Exports of the current page.
  void BitmapClick();
  void JpegClick();
  void WmfClick();
  void EmfClick();
  void PdfClick();
  void PngClick();
  void SvgClick();
  void JpegFactorClick();
  // The web page of the current page, and the page pupils solve in a browser.
  void HtmlClick();
  void InteractivePageClick();

  void ExitClick();

  const FinishedJob& Job() const { return job_; }
  int CurrentPage() const { return page_; }
  // The current page at the current zoom, in the colours of "Pixel Format".
  const QImage& PageImage() const { return image_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void BuildMenus();
  void BuildToolBar(QWidget* bar);
  void Redraw();
  bool PrinterFree();
  void Print(int first, int last, int copies);
  // The file dialog of an export, preset from and stored back into `remembered`; nothing when
  // cancelled.
  std::optional<std::string> ChooseFile(const char* title, const char* filter, const char* ext,
                                        std::string& remembered);
  void Report(const OpResult& result);
  void Metafile(MetafileKind kind, const char* title, const char* filter, const char* ext,
                std::string& remembered);

  const FinishedJob& job_;
  RecordedPagePrinter& printer_;
  int page_ = 0;
  int pageCount_ = 1;
  double zoom_ = 100;
  bool started_ = false;
  QImage image_;
  QLineEdit* zoomEdit_;
  QLabel* pageLabel_ = nullptr;
  QScrollArea* scroll_;
  PageView* view_;
};

}  // namespace gw
