// gridwright-make --print: puzzle pages on a printer, through the same job as the program's.
#include <iostream>

#include "output/PrintJob.h"
#include "output/PrinterSetup.h"
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
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      positional.push_back(a);
      continue;
    }
    std::optional<std::string> problem;
    if (TakePageOption(args, i, r.page, problem)) {
      if (problem) return problem;
    } else if (a == "--printer" || a == "--copies") {
      if (i + 1 >= args.size()) return a + " needs a value";
      const std::string& v = args[++i];
      if (a == "--printer") {
        r.printer = v;
      } else {
        const auto n = Number(v, 1, 999);
        if (!n) return "--copies takes 1 to 999";
        r.copies = *n;
      }
    } else {
      return "unknown option " + a;
    }
  }
  if (positional.size() != 2) return "--print takes a group file and a record number or all";
  r.page.group = positional[0];
  r.page.record = positional[1];
  return std::nullopt;
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
