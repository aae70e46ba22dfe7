// Print jobs: a page straight onto a printer, a page recorded into a report stream, and a report
// stream played onto a printer.
#pragma once

#include <QByteArray>
#include <QPrinter>
#include <QSizeF>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "page/PageDocuments.h"
#include "page/PageJob.h"

namespace gw {

// A finished job of the print options window, as the preview takes it over:
// - `stream`: the page recorded as a report stream (ReplayReport shows or prints it;
//   ReadReportInfo tells its page size and the resolution it was recorded for);
// - `result`: the job's warnings and its kept values (`result.values`);
// - `puzzle` and `options`: the puzzle as the job left it (fitted font sizes in its layout) and
//   the options it ran with, which DrawKeptPage needs with the kept values for a metafile.
//   A job of many puzzles (a book) has no puzzle: it is not drawn again.
// - `title`: what its files and print jobs are called when it is not the puzzle's title.
struct FinishedJob {
  QByteArray stream;
  PageJobResult result;
  std::unique_ptr<PuzzleRecord> puzzle;
  PrintOptions options;
  std::string title;
};
// The title of the job's files and print jobs: its own, else its puzzle's.
std::string JobTitle(const FinishedJob& job);

// The page a job is recorded on for later printing: the physical page in inches and the
// resolution, those of the session's printer set to the layout's paper, or the paper itself at
// kRecordingDpi when there is no printer.
struct RecordingPage {
  QSizeF size;
  double dpi;
};
constexpr double kRecordingDpi = 600;
RecordingPage RecordingPageFor(const PagePaper& paper);

// Mode 2: records the page of `puzzle` into a report stream. The job writes its fitted sizes
// into `puzzle`; the finished job keeps a copy of it as it was left. `cancelled` is asked before
// each object.
FinishedJob RecordPage(PuzzleRecord& puzzle, const PrintOptions& options, const RecordingPage& page,
                       const std::function<bool()>& cancelled = {});

// What printing came to: the page jobs' results in order, whether it was cancelled, and whether
// the printer took the job (never after a cancel or a refusal: then nothing is sent; nor when the
// print queue refused it).
struct PrintOutcome {
  bool started = false;
  bool cancelled = false;
  std::vector<PageJobResult> pages;
};

// Mode 1: prints the pages onto `printer` (set up with UsePrinter) as one print job, each page on
// its layout's paper and orientation, scaled to the page the printer takes. All pages are drawn
// before anything goes to the printer, so a page refused by its job (no columns) or a cancel
// (`cancelled` is asked before each object) sends nothing.
PrintOutcome PrintPages(QPrinter& printer, const std::vector<PageRequest>& pages,
                        const std::function<bool()>& cancelled = {});

// Plays pages first..last (1-based, clamped) of a report stream onto `printer` as one print job,
// each on its recorded page size. False when the printer did not take the job or the stream is
// damaged (then nothing is sent).
bool PrintReportStream(QPrinter& printer, const QByteArray& stream, int first = 1,
                       int last = 1 << 30);

// The message for a printer that did not take a job: it could not be opened, or its queue
// refused the job (a queue that rejects jobs).
std::string PrinterDidNotTakeJob(const QPrinter& printer);

}  // namespace gw
