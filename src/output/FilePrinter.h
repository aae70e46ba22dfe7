// Printing a recorded report stream: the printer the preview prints through.
#pragma once

#include <QByteArray>
#include <memory>

#include "base/OpResult.h"

namespace gw {

inline constexpr const char* kNoPrinters = "No printers are defined, aborting print job.";

class TFilePrinter {
 public:
  virtual ~TFilePrinter() = default;
  // True while one of its jobs runs.
  virtual bool Busy() const = 0;
  // The most copies the printer's driver makes of one job.
  virtual int MaxCopies() = 0;
  // Prints pages first..last (0-based) of the stream as one job of `copies` copies. A failure
  // carries its message: kNoPrinters when there is no printer at all.
  virtual OpResult Print(const QByteArray& stream, int first, int last, int copies) = 0;
};

// Prints on the system's default printer (through CUPS), each page on paper of its own size.
std::unique_ptr<TFilePrinter> SystemFilePrinter();

}  // namespace gw
