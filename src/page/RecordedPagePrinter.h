// Printing a recorded report stream: the printer the preview prints through.
#pragma once

#include <QByteArray>
#include <memory>
#include <string>

#include "base/OpResult.h"

namespace gw {

class RecordedPagePrinter {
 public:
  virtual ~RecordedPagePrinter() = default;
  // True while one of its jobs runs.
  virtual bool Busy() const = 0;
  // The most copies the printer's driver makes of one job.
  virtual int MaxCopies() = 0;
  // Prints pages first..last (0-based) of the stream as one job of `copies` copies; 0 copies
  // means as many as chosen in Printer Setup. A failure carries its message: kNoPrinters when
  // there is no printer at all.
  virtual OpResult Print(const QByteArray& stream, int first, int last, int copies) = 0;
};

// Prints on the session's printer (the one chosen in Printer Setup, else the default one), each
// page on paper of its recorded size; `title` names the jobs.
std::unique_ptr<RecordedPagePrinter> SessionRecordedPagePrinter(const std::string& title);

}  // namespace gw
