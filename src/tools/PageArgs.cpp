// Page options, puzzles and results shared by --render and --print.
#include "tools/PageArgs.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/SettingsFile.h"
#include "base/TextUtils.h"
#include "layouts/LayoutLibrary.h"
#include "storage/PuzzleGroup.h"

namespace gw::cli {

namespace {

// Qt's warning about an unset runtime folder means nothing to a command-line run.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
  std::cerr << message.toStdString() << "\n";
}

// The saved print options, then the layout's own choices, then the command line's.
PrintOptions OptionsFor(const PuzzleRecord& puzzle, const SettingsValues& settings,
                        const PageArgs& r, bool answerKey) {
  PrintOptions o = PrintOptionsFrom(settings);
  ApplyLayoutDefaults(puzzle.pageLayout, o);
  o.answerKey = answerKey;
  if (r.wordOption) o.wordOption = *r.wordOption;
  if (r.columns) o.numColumns = *r.columns;
  if (r.first) o.firstLetters = *r.first;
  if (r.last) o.lastLetters = *r.last;
  if (r.grid) o.useGrid = true;
  if (r.lowerCase) o.lowerCase = true;
  if (r.underscores) o.clueUnderscore = o.partialUnderscore = true;
  if (r.noTitle) o.printTitle = false;
  if (r.noBody) o.printBody = false;
  if (r.noWords) o.printWords = false;
  if (r.noBonus) o.printBonus = false;
  o.scrambleSeed = r.seed;
  return o;
}

bool TakePageOption(const Args& args, size_t& i, PageArgs& r, std::optional<std::string>& problem) {
  const std::string& a = args[i];
  bool* flag = a == "--answer-key"    ? &r.answerKey
               : a == "--grid"        ? &r.grid
               : a == "--lower-case"  ? &r.lowerCase
               : a == "--underscores" ? &r.underscores
               : a == "--no-title"    ? &r.noTitle
               : a == "--no-body"     ? &r.noBody
               : a == "--no-words"    ? &r.noWords
               : a == "--no-bonus"    ? &r.noBonus
                                      : nullptr;
  if (flag) {
    *flag = true;
    return true;
  }
  if (a != "--words" && a != "--columns" && a != "--first" && a != "--last" && a != "--seed" &&
      a != "--layout" && a != "--library")
    return false;
  const std::string* value = OptionValue(args, i, problem);
  if (!value) return true;
  const std::string& v = *value;
  if (a == "--words") {
    static const char* const kForms[] = {"normal", "clues", "scrambled", "partial"};
    r.wordOption.reset();
    for (long k = 0; k < 4; ++k)
      if (v == kForms[k]) r.wordOption = k + 1;
    if (!r.wordOption) problem = "--words takes normal, clues, scrambled or partial";
  } else if (a == "--columns") {
    if (!(r.columns = Number(v, 1, 9))) problem = "--columns takes 1 to 9";
  } else if (a == "--first") {
    if (!(r.first = Number(v, 0, 9))) problem = "--first takes 0 to 9";
  } else if (a == "--last") {
    if (!(r.last = Number(v, 0, 9))) problem = "--last takes 0 to 9";
  } else if (a == "--layout") {
    if (!(r.layout = Number(v, 0, 65535))) problem = "--layout takes a layout record number";
  } else if (a == "--library") {
    r.libraryDir = v;
  } else {
    char* end = nullptr;
    const unsigned long long seed = std::strtoull(v.c_str(), &end, 10);
    if (v.empty() || *end != '\0')
      problem = "--seed takes a whole number";
    else
      r.seed = seed;
  }
  return true;
}

}  // namespace

const std::string* OptionValue(const Args& args, size_t& i, std::optional<std::string>& problem) {
  if (i + 1 >= args.size()) {
    problem = args[i] + " needs a value";
    return nullptr;
  }
  return &args[++i];
}

std::optional<std::string> ParsePageArgs(const Args& args, const std::string& command, PageArgs& r,
                                         const OwnOption& own) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i].rfind("--", 0) != 0) {
      positional.push_back(args[i]);
      continue;
    }
    std::optional<std::string> problem;
    if (!TakePageOption(args, i, r, problem) && !own(args, i, problem))
      return "unknown option " + args[i];
    if (problem) return problem;
  }
  if (r.recordList && positional.size() == 1) positional.push_back("all");
  if (positional.size() != 2)
    return command + " takes a group file and a record number or all" +
           (r.recordList ? " or a list of records" : "");
  r.group = positional[0];
  r.record = positional[1];
  return std::nullopt;
}

int LoadPagePuzzles(const PageArgs& r, PagePuzzles& out) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(r.group, ec);
  if (ec || !std::filesystem::is_regular_file(r.group)) return UsageError("cannot open " + r.group);
  const int count = static_cast<int>(std::min<uintmax_t>(size / sizeof(PuzzleRecord), 65536));
  if (r.record == "all") {
    if (count == 0) return Fail(kBadInput, r.group + " holds no puzzle");
    for (int i = 0; i < count; ++i) out.records.push_back(i);
  } else if (r.recordList) {
    auto list = RecordList(r.record, count, r.group);
    if (const auto* problem = std::get_if<std::string>(&list)) return Fail(kBadInput, *problem);
    out.records = std::get<std::vector<int>>(list);
  } else {
    const auto n = Number(r.record, 0, 65535);
    if (!n) return UsageError("RECORD must be a record number or all");
    if (*n >= count) return Fail(kBadInput, r.group + " has no record " + r.record);
    out.records.push_back(static_cast<int>(*n));
  }

  try {
    for (int record : out.records) {
      out.puzzles.push_back(std::make_unique<PuzzleRecord>());
      if (!ReadPuzzle(r.group, record, *out.puzzles.back()))
        return Fail(kBadInput, "cannot open " + r.group);
    }
  } catch (const IoError&) {
    return Fail(kBadInput, "cannot read " + r.group);
  }

  if (r.layout) {
    // As "Change Page Layout" does for a print run: the puzzles take a copy of that layout.
    const std::string library = FindFileNoCase(r.libraryDir, kLayoutLibraryName);
    auto layout = std::make_unique<PageLayout>();
    try {
      if (!ReadLayout(library, *r.layout, *layout))
        return Fail(kBadInput, "cannot open " + library);
    } catch (const IoError&) {
      return Fail(kBadInput, library + " has no layout " + std::to_string(*r.layout));
    }
    for (auto& p : out.puzzles) p->pageLayout = *layout;
  }
  return kDone;
}

std::variant<std::vector<int>, std::string> RecordList(const std::string& text, int count,
                                                       const std::string& group) {
  std::vector<int> records;
  std::vector<bool> listed(static_cast<size_t>(std::max(count, 0)), false);
  const std::string usage = "a record list takes record numbers and ranges such as 0,2,5-9, not " +
                            (text.empty() ? std::string("nothing") : text);
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    const size_t dash = item.find('-');
    const auto from = Number(item.substr(0, dash), 0, 65535);
    const auto to = dash == std::string::npos ? from : Number(item.substr(dash + 1), 0, 65535);
    if (!from || !to || *to < *from) return usage;
    for (long record = *from; record <= *to; ++record) {
      if (record >= count) return group + " has no record " + std::to_string(record);
      if (listed[static_cast<size_t>(record)])
        return "record " + std::to_string(record) + " is listed twice";
      listed[static_cast<size_t>(record)] = true;
      records.push_back(static_cast<int>(record));
    }
    start = comma + 1;
  }
  return records;
}

std::vector<PrintOptions> PuzzlePageOptions(const PagePuzzles& puzzles, const PageArgs& r) {
  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);
  std::vector<PrintOptions> options;
  for (const auto& puzzle : puzzles.puzzles)
    options.push_back(OptionsFor(*puzzle, settings, r, r.answerKey));
  return options;
}

std::vector<PageRequest> PageRequests(PagePuzzles& puzzles, const PageArgs& r,
                                      std::vector<int>& pageRecords) {
  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);

  std::vector<PageRequest> pages;
  pageRecords.clear();
  const bool book = r.record == "all";
  for (int pass = 0; pass < (book ? 2 : 1); ++pass)
    for (size_t i = 0; i < puzzles.puzzles.size(); ++i) {
      const bool answerKey = book ? pass == 1 : r.answerKey;
      PuzzleRecord& puzzle = *puzzles.puzzles[i];
      pages.push_back({&puzzle, OptionsFor(puzzle, settings, r, answerKey)});
      pageRecords.push_back(puzzles.records[i]);
    }
  return pages;
}

int ReportPageResults(const std::vector<PageJobResult>& results,
                      const std::vector<int>& pageRecords) {
  for (size_t i = 0; i < results.size(); ++i) {
    const PageJobResult& job = results[i];
    if (!job.ran) return Fail(kBadInput, job.refusal);
    const std::string where = "record " + std::to_string(pageRecords[i]) + ": ";
    if (!job.bitmapWarning.empty())
      std::cerr << "gridwright-make: " << where << job.bitmapWarning << "\n";
    for (const std::string& w : job.fitWarnings)
      std::cerr << "gridwright-make: " << where << w << "\n";
  }
  return kDone;
}

std::unique_ptr<QGuiApplication> StartOffscreenApplication() {
  static int argc = 3;
  static char arg0[] = "gridwright-make", arg1[] = "-platform", arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  qInstallMessageHandler(QuietMessages);
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace gw::cli
