// gridwright-make: makes word search puzzles from word files into puzzle groups, without windows.
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/AppPaths.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "base/IoError.h"
#include "storage/PuzzleGroup.h"
#include "tools/MakePuzzle.h"

namespace {

constexpr char kUsage[] =
    "Usage:\n"
    "  gridwright-make WORDFILE --group FILE.QL3 [--title TEXT] [--category TEXT]\n"
    "                  [--shape NAME | --shape-file FILE.LAY] [--library DIR]\n"
    "                  [--directions all|LIST] [--integration 0-6] [--attempts 1-999] [--shrink]\n"
    "                  [--phrase TEXT] [--pick 1-4] [--seed N] [--sep CHAR]\n"
    "  gridwright-make --list FILE.QL3\n"
    "  gridwright-make --show FILE.QL3 RECORD\n"
    "\n"
    "Makes a word search puzzle from WORDFILE and appends it to the puzzle group FILE.QL3\n"
    "(created when missing). WORDFILE holds one entry per line: a word, or a word, the\n"
    "separator (--sep, \":\" by default) and its clue; at most 330 entries.\n"
    "\n"
    "  --title, --category  the puzzle's title and category (default: the word file's name\n"
    "                       and \"Puzzles\")\n"
    "  --shape NAME         a shape of the shape library QLFLAY.DAT, by name or as listed\n"
    "                       (\"Heart\", \"15x15 Square\"; any letter case)\n"
    "  --shape-file FILE    a shape export file; with neither, a 15 x 15 square\n"
    "  --library DIR        folder of QLFLAY.DAT, QLFPAGE.DAT and BADLIST.TXT (default: the\n"
    "                       program's folder); the page layout is its \"Default Page\" record,\n"
    "                       as set in QUARL3.INI of the current folder (record 0 without one)\n"
    "  --directions LIST    comma list of right, left, up, down, up-right, up-left,\n"
    "                       down-right, down-left, or all (default)\n"
    "  --integration N      how much words cross, 0..6 (default 6)\n"
    "  --attempts N         placement attempts, 1..999 (default 1)\n"
    "  --shrink             trim empty rows and columns at the bottom and right\n"
    "  --phrase TEXT        hide TEXT in the leftover cells (exactly as many letters, no spaces)\n"
    "  --pick N             which of the four best candidates to keep (default 1)\n"
    "  --seed N             repeatable result\n"
    "  --list FILE.QL3      record number, category and title of every puzzle\n"
    "  --show FILE.QL3 N    the grid of record N and its words\n"
    "\n"
    "Exit codes: 0 done, 2 usage or input error, 3 nothing could be placed.\n";

// Arguments arrive in the terminal's UTF-8; records hold Windows-1252.
std::string FromArg(const char* arg) {
  return gw::FromQString(QString::fromUtf8(arg));
}
std::string ToTerminal(const std::string& cp1252) {
  return gw::ToQString(cp1252).toUtf8().toStdString();
}

int UsageError(const std::string& message) {
  std::cerr << "gridwright-make: " << message << "\n"
            << "Try 'gridwright-make --help'.\n";
  return 2;
}

// A whole number within [low, high], or nothing.
std::optional<long> Number(const std::string& text, long low, long high) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || value < low || value > high) return std::nullopt;
  return value;
}

bool ParseDirections(const std::string& list, std::array<bool, 9>& directions) {
  static const char* const names[9] = {"",     "up",        "up-right", "right",  "down-right",
                                       "down", "down-left", "left",     "up-left"};
  if (list == "all") {
    directions.fill(true);
    directions[0] = false;
    return true;
  }
  directions.fill(false);
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string name = gw::Trim(list.substr(start, comma - start));
    bool known = false;
    for (int d = 1; d <= 8; ++d)
      if (gw::EqualsNoCase(name, names[d])) directions[d] = known = true;
    if (!known) return false;
    start = comma + 1;
  }
  return true;
}

std::string ProgramDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

int List(const std::string& group) {
  try {
    if (!std::filesystem::exists(group)) return UsageError("cannot open " + group);
    const gw::GroupListing listing = gw::ListGroup(group);
    for (const gw::GroupListing::Title& t : listing.titles)
      std::cout << t.Record() << '\t' << ToTerminal(listing.categories[t.Category()]) << '\t'
                << ToTerminal(t.title) << '\n';
  } catch (const gw::IoError& e) {
    std::cerr << "gridwright-make: " << e.what() << "\n";
    return 2;
  }
  return 0;
}

int Show(const std::string& group, const std::string& recordText) {
  const std::optional<long> record = Number(recordText, 0, 65535);
  if (!record) return UsageError("RECORD must be a record number");
  auto puzzle = std::make_unique<gw::PuzzleRecord>();
  try {
    if (!gw::ReadPuzzle(group, static_cast<int>(*record), *puzzle))
      return UsageError("cannot open " + group);
  } catch (const gw::IoError&) {
    return UsageError(group + " has no record " + recordText);
  }
  std::cout << ToTerminal(gw::ShowPuzzle(*puzzle));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError("no word file given");
  if (args[0] == "--help" || args[0] == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (args[0] == "--list") {
    if (args.size() != 2) return UsageError("--list takes one group file");
    return List(args[1]);
  }
  if (args[0] == "--show") {
    if (args.size() != 3) return UsageError("--show takes a group file and a record number");
    return Show(args[1], args[2]);
  }

  gw::MakeRequest request;
  request.libraryDir = ProgramDir();
  std::optional<std::string> title, category;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    std::string v;
    if (a.rfind("--", 0) != 0) {
      if (!request.wordFile.empty()) return UsageError("more than one word file given");
      request.wordFile = a;
    } else if (a == "--shrink") {
      request.shrink = true;
    } else if (!value(v)) {
      return UsageError(a == "--group" || a == "--title" || a == "--category" || a == "--shape" ||
                                a == "--shape-file" || a == "--library" || a == "--directions" ||
                                a == "--integration" || a == "--attempts" || a == "--phrase" ||
                                a == "--pick" || a == "--seed" || a == "--sep"
                            ? a + " needs a value"
                            : "unknown option " + a);
    } else if (a == "--group") {
      request.groupFile = v;
    } else if (a == "--title") {
      title = FromArg(v.c_str());
    } else if (a == "--category") {
      category = FromArg(v.c_str());
    } else if (a == "--shape") {
      request.shapeName = FromArg(v.c_str());
    } else if (a == "--shape-file") {
      request.shapeFile = v;
    } else if (a == "--library") {
      request.libraryDir = v;
    } else if (a == "--directions") {
      if (!ParseDirections(v, request.directions))
        return UsageError("unknown direction in \"" + v + "\"");
    } else if (a == "--integration") {
      const auto n = Number(v, 0, 6);
      if (!n) return UsageError("--integration takes 0 to 6");
      request.integration = *n;
    } else if (a == "--attempts") {
      // Out-of-range values reach the same check as the editor's "&Create".
      request.attempts = gw::ReadNumber(v);
    } else if (a == "--phrase") {
      request.phrase = FromArg(v.c_str());
    } else if (a == "--pick") {
      const auto n = Number(v, 1, 4);
      if (!n) return UsageError("--pick takes 1 to 4");
      request.pick = static_cast<int>(*n);
    } else if (a == "--seed") {
      char* end = nullptr;
      const unsigned long long seed = std::strtoull(v.c_str(), &end, 10);
      if (v.empty() || *end != '\0') return UsageError("--seed takes a whole number");
      request.seed = seed;
    } else if (a == "--sep") {
      if (v.size() != 1) return UsageError("--sep takes one character");
      request.separator = v;
    } else {
      return UsageError("unknown option " + a);
    }
  }
  if (request.wordFile.empty()) return UsageError("no word file given");
  if (request.groupFile.empty()) return UsageError("--group is required");
  if (request.shapeName && request.shapeFile)
    return UsageError("--shape and --shape-file cannot be used together");

  request.title = title.value_or(gw::FromQString(
      QString::fromStdString(std::filesystem::path(request.wordFile).stem().string())));
  request.category = category.value_or("Puzzles");
  // The default page comes from the settings of the current folder, as for the program.
  gw::AppPaths here = gw::AppPaths::FromRunningProgram();
  gw::SettingsValues settings = gw::SettingsValues::Defaults(here);
  gw::LoadSettings(gw::SettingsFilePath(here), settings);
  request.defaultPage = settings.defaultPage;

  const gw::MakeOutcome outcome = gw::MakePuzzle(request);
  if (outcome.code != gw::MakeOutcome::Done) {
    std::cerr << "gridwright-make: " << ToTerminal(outcome.message) << "\n";
    return outcome.code;
  }
  std::cout << "Record " << outcome.record << " of " << request.groupFile << ": " << outcome.placed
            << " of " << outcome.words << " words placed.\n";
  return 0;
}
