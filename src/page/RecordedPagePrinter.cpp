// Printing a recorded report stream on the session's printer.
#include "page/RecordedPagePrinter.h"

#include <QPrinter>

#include "base/TextCodec.h"
#include "page/PrintJob.h"
#include "page/PrinterSetup.h"

namespace gw {

namespace {

// CUPS makes any number of copies of a job; Qt does not tell the limit, which lies far above
// what the copies box takes.
constexpr int kDriverCopies = 9999;

class SessionPrinterOf : public RecordedPagePrinter {
 public:
  explicit SessionPrinterOf(std::string title) : title_(std::move(title)) {}

  bool Busy() const override { return busy_; }

  int MaxCopies() override {
    QPrinter printer(QPrinter::HighResolution);
    if (!UsePrinter(printer, SessionPrinter())) return 1;
    return printer.supportsMultipleCopies() ? kDriverCopies : 1;
  }

  OpResult Print(const QByteArray& stream, int first, int last, int copies) override {
    QPrinter printer(QPrinter::HighResolution);
    if (!UsePrinter(printer, SessionPrinter())) return OpResult::Failure(kNoPrinters, "Error");
    if (copies > 0) printer.setCopyCount(copies);
    printer.setDocName(ToQString(title_));
    busy_ = true;
    const bool printed = PrintReportStream(printer, stream, first + 1, last + 1);
    busy_ = false;
    if (!printed) return OpResult::Failure(PrinterDidNotTakeJob(printer), "Error");
    return OpResult::Success();
  }

 private:
  std::string title_;
  bool busy_ = false;
};

}  // namespace

std::unique_ptr<RecordedPagePrinter> SessionRecordedPagePrinter(const std::string& title) {
  return std::make_unique<SessionPrinterOf>(title);
}

}  // namespace gw
