// gridwright-make --print: puzzle pages on a printer, through the same job as the program's.
#include <iostream>

#include "page/PrintJob.h"
#include "page/PrinterSetup.h"
#include "tools/MakeCommands.h"
#include "tools/PageArgs.h"

namespace gw::cli {
namespace {

struct PrintRequest {
  PageArgs page;
  std::string printer;  // empty: the default printer
  long copies = 1;
};

// Parses the arguments after --print; a message when they are not usable.
std::optional<std::string> Parse(const Args& args, PrintRequest& r) {
  const auto own = [&r](const Args& a, size_t& i, std::optional<std::string>& problem) {
    if (a[i] != "--printer" && a[i] != "--copies") return false;
    const bool printer = a[i] == "--printer";
    const std::string* v = OptionValue(a, i, problem);
    if (!v) return true;
    if (printer) {
      r.printer = *v;
    } else if (const auto n = Number(*v, 1, 999)) {
      r.copies = *n;
    } else {
      problem = "--copies takes 1 to 999";
    }
    return true;
  };
  return ParsePageArgs(args, "--print", r.page, own);
}

}  // namespace

int RunPrint(const Args& args) {
  PrintRequest r;
  if (const auto problem = Parse(args, r)) return UsageError(*problem);
  PagePuzzles puzzles;
  if (const int code = LoadPagePuzzles(r.page, puzzles); code != kDone) return code;

  const auto app = StartOffscreenApplication();
  if (!AnyPrinter()) return Fail(kCannotDo, kNoPrinters);
  PrinterChoice choice;
  choice.printerName = QString::fromStdString(r.printer);
  choice.copies = static_cast<int>(r.copies);
  if (!r.printer.empty() && !PrinterNames().contains(choice.printerName))
    return Fail(kBadInput, "there is no printer " + r.printer);

  std::vector<int> pageRecords;
  const std::vector<PageRequest> pages = PageRequests(puzzles, r.page, pageRecords);
  QPrinter printer(QPrinter::HighResolution);
  UsePrinter(printer, choice);
  const PrintOutcome outcome = PrintPages(printer, pages);
  if (const int code = ReportPageResults(outcome.pages, pageRecords); code != kDone) return code;
  const std::string name = printer.printerName().toStdString();
  if (!outcome.started) return Fail(kCannotDo, "the printer " + name + " did not take the job");
  std::cout << name << ": " << pages.size() << (pages.size() == 1 ? " page" : " pages");
  if (r.copies > 1) std::cout << ", " << r.copies << " copies";
  std::cout << "\n";
  return kDone;
}

}  // namespace gw::cli
