// Printing a recorded report stream on a Qt printer.
#include "output/FilePrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <optional>

#include "output/PageDocuments.h"
#include "output/ReportFiler.h"
#include "output/ReportPrinter.h"

namespace gw {

namespace {

// CUPS makes any number of copies; Qt does not tell its limit, which is far above what anyone
// types into a three-character box.
constexpr int kDriverCopies = 9999;

class SystemPrinter : public TFilePrinter {
 public:
  bool Busy() const override { return busy_; }

  int MaxCopies() override {
    const QPrinterInfo info = Chosen();
    if (info.isNull()) return 1;
    QPrinter printer(info, QPrinter::HighResolution);
    return printer.supportsMultipleCopies() ? kDriverCopies : 1;
  }

  OpResult Print(const QByteArray& stream, int first, int last, int copies) override {
    const QPrinterInfo info = Chosen();
    if (info.isNull()) return OpResult::Failure(kNoPrinters, "Error");
    const std::optional<ReportStreamInfo> pages = ReadReportInfo(stream);
    const int count = pages ? static_cast<int>(pages->pages.size()) : 0;
    first = std::max(first, 0);
    last = std::min(last, count - 1);
    if (first > last) return OpResult::Success();
    busy_ = true;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setCopyCount(std::max(copies, 1));
    printer.setFullPage(true);
    auto sizeOf = [&](int page) { return pages->pages[page]; };
    printer.setPageLayout(QtPageLayoutOfSize(sizeOf(first).width(), sizeOf(first).height()));
    QPainter painter;
    bool ok = painter.begin(&printer);
    for (int page = first; ok && page <= last; ++page) {
      if (page > first) {
        printer.setPageLayout(QtPageLayoutOfSize(sizeOf(page).width(), sizeOf(page).height()));
        ok = printer.newPage();
      }
      TReportPrinter target(painter, sizeOf(page).width(), sizeOf(page).height(),
                            printer.resolution(), printer.resolution());
      ReplayReport(stream, page, target);
    }
    if (painter.isActive()) ok = painter.end() && ok;
    busy_ = false;
    if (!ok)
      return OpResult::Failure(
          "The page could not be sent to the printer " + info.printerName().toStdString() + ".",
          "Error");
    return OpResult::Success();
  }

 private:
  static QPrinterInfo Chosen() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
      const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
      if (!all.isEmpty()) info = all.front();
    }
    return info;
  }

  bool busy_ = false;
};

}  // namespace

std::unique_ptr<TFilePrinter> SystemFilePrinter() {
  return std::make_unique<SystemPrinter>();
}

}  // namespace gw
