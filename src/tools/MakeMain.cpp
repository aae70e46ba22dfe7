// gridwright-make: the headless face of Gridwright. One command per run, chosen by its option.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "tools/MakeCommands.h"

namespace {

using gw::cli::Args;

// One command: the option that selects it (none: the word-file command), its synopsis and
// what its options mean. New commands add one entry.
struct Command {
  const char* option;
  int (*run)(const Args&);
  const char* synopsis;
  const char* details;
};

const Command kCommands[] = {
    {nullptr, gw::cli::RunMake,
     "  gridwright-make WORDFILE --group FILE.QL3 [--title TEXT] [--category TEXT]\n"
     "                  [--shape NAME | --shape-file FILE.LAY] [--library DIR]\n"
     "                  [--directions all|LIST] [--integration 0-6] [--attempts 1-999] [--shrink]\n"
     "                  [--phrase TEXT] [--pick 1-4] [--seed N] [--sep CHAR]\n",
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
     "  --seed N             repeatable result\n"},
    {"--list", gw::cli::RunList, "  gridwright-make --list FILE.QL3\n",
     "  --list FILE.QL3      record number, category and title of every puzzle\n"},
    {"--show", gw::cli::RunShow, "  gridwright-make --show FILE.QL3 RECORD\n",
     "  --show FILE.QL3 N    the grid of record N and its words\n"},
    {"--layouts", gw::cli::RunLayouts,
     "  gridwright-make --layouts [--library DIR] [--import FILE.PAG | --export N FILE.PAG |\n"
     "                  --delete N | --default N | --add FILE.txt | --replace N FILE.txt]\n",
     "  --layouts            record number and entry of every page layout of QLFPAGE.DAT\n"
     "                       (in --library DIR, default: the program's folder), the default\n"
     "                       marked as set in QUARL3.INI of the current folder; after:\n"
     "    --import FILE      appending the layout of an export file\n"
     "    --export N FILE    writing layout N to an export file (replaced when it exists)\n"
     "    --delete N         removing layout N (the default stays on its layout; when N was\n"
     "                       the default, layout 0 becomes it)\n"
     "    --default N        making layout N the one new puzzles get\n"
     "    --add FILE         appending a layout made from a description (the format of\n"
     "                       data/layouts/README.md), as the page designer saves a new one\n"
     "    --replace N FILE   writing such a layout over layout N\n"},
};

void PrintHelp() {
  std::cout << "Usage:\n";
  for (const Command& c : kCommands) std::cout << c.synopsis;
  for (const Command& c : kCommands) std::cout << "\n" << c.details;
  std::cout << "\nExit codes: 0 done, 2 usage or input error, 3 could not be done (for a new\n"
               "puzzle: nothing could be placed).\n";
}

}  // namespace

int main(int argc, char** argv) {
  const Args args(argv + 1, argv + argc);
  if (args.empty()) return gw::cli::UsageError("no word file given");
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
    return gw::cli::kDone;
  }
  for (const Command& c : kCommands)
    if (c.option && args[0] == c.option) return c.run(Args(args.begin() + 1, args.end()));
  return gw::cli::RunMake(args);
}
