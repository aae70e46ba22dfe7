// Print jobs onto printers and into report streams.
#include "output/PrintJob.h"

#include <QPainter>
#include <algorithm>

#include "base/TextCodec.h"
#include "output/PrinterSetup.h"
#include "output/ReportFiler.h"
#include "output/ReportPrinter.h"

namespace gw {

RecordingPage RecordingPageFor(const PagePaper& paper) {
  QPrinter printer(QPrinter::HighResolution);
  if (!UsePrinter(printer, SessionPrinter()))
    return {QSizeF(paper.width, paper.height), kRecordingDpi};
  const QSizeF page = SetPrinterPage(printer, paper);
  return {page, static_cast<double>(printer.resolution())};
}

FinishedJob RecordPage(PuzzleRecord& puzzle, const PrintOptions& options, const RecordingPage& page,
                       const std::function<bool()>& cancelled) {
  FinishedJob job;
  job.options = options;
  TReportFiler filer(page.size.width(), page.size.height(), page.dpi, page.dpi);
  job.result = RunPageJob(puzzle, options, filer, cancelled);
  if (job.result.ran && !job.result.cancelled) job.stream = filer.Stream();
  job.puzzle = std::make_unique<PuzzleRecord>(puzzle);
  return job;
}

PrintOutcome PrintPages(QPrinter& printer, const std::vector<PageRequest>& pages,
                        const std::function<bool()>& cancelled) {
  PrintOutcome outcome;
  if (pages.empty()) return outcome;
  // A refusal is known before drawing: nothing goes to the printer then.
  for (const PageRequest& page : pages)
    if (page.options.numColumns <= 0) {
      TReportFiler nowhere(1, 1, 72, 72);
      outcome.pages.push_back(RunPageJob(*page.puzzle, page.options, nowhere));
      return outcome;
    }
  printer.setDocName(ToQString(pages.front().puzzle->title.Get()));
  QSizeF size = SetPrinterPage(printer, PaperOfLayout(pages.front().puzzle->pageLayout));
  QPainter painter;
  if (!painter.begin(&printer)) return outcome;
  outcome.started = true;
  const double dpi = printer.resolution();
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) {
      size = SetPrinterPage(printer, PaperOfLayout(pages[i].puzzle->pageLayout));
      printer.newPage();
    }
    PageJobResult result;
    {
      TReportPrinter target(painter, size.width(), size.height(), dpi, dpi);
      result = RunPageJob(*pages[i].puzzle, pages[i].options, target, cancelled);
    }
    outcome.pages.push_back(result);
    if (result.cancelled) {
      outcome.cancelled = true;
      // Withdrawn before it is handed to the spooler: nothing of it is printed.
      printer.abort();
      return outcome;
    }
  }
  painter.end();
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
  for (int page = first; page <= last; ++page) {
    if (page > first) {
      printer.setPageLayout(PageLayoutForSize(info->pages[page - 1]));
      printer.newPage();
    }
    const QSizeF size = printer.pageLayout().fullRect(QPageLayout::Inch).size();
    TReportPrinter target(painter, size.width(), size.height(), dpi, dpi);
    ReplayReport(stream, page - 1, target);
  }
  painter.end();
  return true;
}

}  // namespace gw
