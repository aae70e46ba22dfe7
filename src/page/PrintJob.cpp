// Print jobs onto printers and into report streams.
#include "page/PrintJob.h"

#include <dlfcn.h>

#include <QPainter>
#include <algorithm>

#include "base/TextCodec.h"
#include "page/PageRecorder.h"
#include "page/PainterTarget.h"
#include "page/PrinterSetup.h"

namespace gw {

namespace {

// Whether the print queue took the job `printer` just finished. Qt hands the finished job to CUPS
// and never looks at the answer; the CUPS client library it loaded keeps the status of its last
// request for the thread that made it, and ending the painter made that request here. A job
// written to a file, or with no CUPS in the process, went nowhere that could refuse it.
bool QueueTookJob(const QPrinter& printer) {
  if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
    return true;
  void* cups = ::dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!cups) return true;
  using LastError = int (*)();
  const auto lastError = reinterpret_cast<LastError>(::dlsym(cups, "cupsLastError"));
  const int status = lastError ? lastError() : 0;
  ::dlclose(cups);
  // IPP status codes below 0x0100 are the successful ones; a queue that rejects jobs answers
  // 0x0506 (not accepting jobs).
  return status < 0x0100;
}

}  // namespace

RecordingPage RecordingPageFor(const PagePaper& paper) {
  QPrinter printer(QPrinter::HighResolution);
  if (!UsePrinter(printer, SessionPrinter()))
    return {QSizeF(paper.width, paper.height), kRecordingDpi};
  const QSizeF page = SetPrinterPage(printer, paper);
  return {page, static_cast<double>(printer.resolution())};
}

std::string JobTitle(const FinishedJob& job) {
  if (!job.title.empty() || !job.puzzle) return job.title;
  return job.puzzle->title.Get();
}

FinishedJob RecordPage(PuzzleRecord& puzzle, const PrintOptions& options, const RecordingPage& page,
                       const std::function<bool()>& cancelled) {
  FinishedJob job;
  job.options = options;
  PageRecorder filer(page.size.width(), page.size.height(), page.dpi, page.dpi);
  job.result = RunPageJob(puzzle, options, filer, cancelled);
  if (job.result.ran && !job.result.cancelled) job.stream = filer.Stream();
  job.puzzle = std::make_unique<PuzzleRecord>(puzzle);
  return job;
}

PrintOutcome PrintPages(QPrinter& printer, const std::vector<PageRequest>& pages,
                        const std::function<bool()>& cancelled) {
  PrintOutcome outcome;
  if (pages.empty()) return outcome;
  // The pages are drawn into a report stream first and played onto the printer once all are
  // done: a print job cannot be withdrawn after its painter has started on a printer, so this is
  // what lets Cancel really stop it. The stream is drawn for this printer's pixels and page and
  // plays back exactly as drawing on it directly would.
  const double dpi = printer.resolution();
  std::vector<QSizeF> sizes;
  for (const PageRequest& page : pages)
    sizes.push_back(SetPrinterPage(printer, PaperOfLayout(page.puzzle->pageLayout)));
  PageRecorder filer(sizes[0].width(), sizes[0].height(), dpi, dpi);
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) filer.NewPage(sizes[i].width(), sizes[i].height());
    outcome.pages.push_back(RunPageJob(*pages[i].puzzle, pages[i].options, filer, cancelled));
    if (!outcome.pages.back().ran) return outcome;
    if (outcome.pages.back().cancelled) {
      outcome.cancelled = true;
      return outcome;
    }
  }

  printer.setDocName(ToQString(pages.front().puzzle->title.Get()));
  SetPrinterPage(printer, PaperOfLayout(pages.front().puzzle->pageLayout));
  QPainter painter;
  if (!painter.begin(&printer)) return outcome;
  outcome.started = true;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      SetPrinterPage(printer, PaperOfLayout(pages[i].puzzle->pageLayout));
      printer.newPage();
    }
    PainterTarget target(painter, sizes[i].width(), sizes[i].height(), dpi, dpi);
    ReplayReport(filer.Stream(), static_cast<int>(i), target);
  }
  painter.end();
  outcome.started = QueueTookJob(printer);
  return outcome;
}

bool PrintReportStream(QPrinter& printer, const QByteArray& stream, int first, int last) {
  const std::optional<ReportStreamInfo> info = ReadReportInfo(stream);
  if (!info || info->pages.empty()) return false;
  const int count = static_cast<int>(info->pages.size());
  first = std::clamp(first, 1, count);
  last = std::clamp(last, first, count);
  printer.setFullPage(true);
  printer.setPageLayout(PageLayoutForSize(info->pages[first - 1]));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const double dpi = printer.resolution();
  ReplayReportPages(stream, first - 1, last - 1,
                    [&](int page, const QSizeF& recorded) -> std::unique_ptr<PageTarget> {
                      if (page > first - 1) {
                        printer.setPageLayout(PageLayoutForSize(recorded));
                        printer.newPage();
                      }
                      const QSizeF size = printer.pageLayout().fullRect(QPageLayout::Inch).size();
                      return std::make_unique<PainterTarget>(painter, size.width(), size.height(),
                                                             dpi, dpi);
                    });
  painter.end();
  return QueueTookJob(printer);
}

std::string PrinterDidNotTakeJob(const QPrinter& printer) {
  return "The printer " + FromQString(printer.printerName()) + " did not take the job.";
}

}  // namespace gw
