// gridwright-make: the headless face of Gridwright. One command per run, chosen by its option.
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "base/IoError.h"
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
     "                  [--phrase TEXT] [--pick 1-4] [--seed N] [--sep CHAR]\n"
     "                  [--allow-duplicates] [--versions N | --explain]\n"
     "  gridwright-make WORDFILE --estimate [--shape NAME | --shape-file FILE.LAY]\n"
     "                  [--library DIR] [--directions all|LIST] [--integration 0-6] [--sep CHAR]\n",
     "Makes a word search puzzle from WORDFILE and appends it to the puzzle group FILE.QL3\n"
     "(created when missing; a file that holds no puzzle is never written to). WORDFILE holds\n"
     "one entry per line: a word, or a word, the separator (--sep, \":\" by default) and its\n"
     "clue; at most 330 entries, whose words and clues hold no tab or other control character.\n"
     "It may be Windows-1252 or UTF-8 text; characters outside Windows-1252 are refused.\n"
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
     "  --allow-duplicates   keep words that repeat (CAT, cat, C AT): every copy takes the\n"
     "                       same cells, so they are refused without this\n"
     "  --versions N         N puzzles (2..26) from the same words, options, shape and layout,\n"
     "                       each from its own seed (the same set again with --seed), grids\n"
     "                       differing, titled \"TITLE (A)\", \"TITLE (B)\", ... and appended in\n"
     "                       order; a version that places fewer words, or that the --phrase\n"
     "                       does not fit (it is left out of it), is named on stderr\n"
     "  --explain            after the usual line, \"Not placed:\" and one line per word the kept\n"
     "                       grid left out, WORD: reason (longer than any line of the shape in\n"
     "                       the directions, crowded out, never placed, refused by the\n"
     "                       offensive-word screen), then suggestions: directions that would\n"
     "                       help, the smallest square for the longest word, the average fit.\n"
     "                       Also printed when nothing could be placed\n"
     "  --estimate           prints \"about N of M words fit\": about how many words the best of\n"
     "                       999 attempts would place, from a few quick ones; nothing is written\n"
     "An empty word list, a shape without cells or an empty --directions is an input error.\n"},
    {"--list", gw::cli::RunList, "  gridwright-make --list FILE.QL3\n",
     "  --list FILE.QL3      record number, category and title of every puzzle\n"},
    {"--show", gw::cli::RunShow, "  gridwright-make --show FILE.QL3 RECORD\n",
     "  --show FILE.QL3 N    the grid of record N and its words\n"},
    {"--export-words", gw::cli::RunExportWords,
     "  gridwright-make --export-words FILE.QL3 RECORD FILE.TXT [--form words|clues|both]\n"
     "                  [--sep CHAR]\n",
     "  --export-words       the words and clues of record RECORD as a text file, sorted, one\n"
     "                       entry per line (Windows-1252, CR LF), as the editor's Export writes\n"
     "                       them: --form both (default) pads each word to 31 characters, then\n"
     "                       the separator (--sep, \":\" by default), a space and the clue\n"},
    {"--import", gw::cli::RunImport,
     "  gridwright-make --import SOURCE.QL3|SOURCE.QLX --group DEST.QL3 [--pick-title TITLE]...\n"
     "                  [--library DIR]\n",
     "  --import SOURCE      appends puzzles of the group SOURCE.QL3 to DEST.QL3 (created when\n"
     "                       missing), whole and unchanged, in alphabetical order of title:\n"
     "                       those named by --pick-title (any letter case; repeatable), or all.\n"
     "                       A puzzle file of the 16-bit generation (SOURCE.QLX) is converted\n"
     "                       and appended, with the \"Default Page\" of --library's QLFPAGE.DAT\n"},
    {"--convert", gw::cli::RunConvert, "  gridwright-make --convert DIR [--library DIR]\n",
     "  --convert DIR        converts the previous version's QLFUPUZZ.DAT in DIR into the group\n"
     "                       OLDPUZZ.QL3 and adds its QLFULAY.DAT to the shape library\n"
     "                       QLFLAY.DAT, both in --library (default: where the program keeps its\n"
     "                       libraries), as the program offers at start-up; the old files are\n"
     "                       removed once converted (a file without records stays)\n"},
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
    {"--render", gw::cli::RunRender,
     "  gridwright-make --render FILE.QL3 RECORD|all\n"
     "                  --out FILE.pdf|.png|.svg|.bmp|.jpg|.wmf|.emf|.htm|.html\n"
     "                  [--answer-key] [--words normal|clues|scrambled|partial] [--grid]\n"
     "                  [--lower-case] [--columns N] [--first N] [--last N] [--underscores]\n"
     "                  [--no-title] [--no-body] [--no-words] [--no-bonus] [--dpi N] [--seed N]\n"
     "                  [--layout N [--library DIR]] [--quality N] [--pixel-format 1|2]\n"
     "                  [--web-title TEXT] [--header TEXT]\n"
     "  gridwright-make --render FILE.QL3 RECORD|all --out PAGE.html --interactive\n"
     "                  [--no-answers] [--words FORM] [--lower-case] [--grid] [--first N]\n"
     "                  [--last N] [--underscores] [--no-title] [--no-words] [--no-bonus]\n"
     "                  [--seed N] [--layout N [--library DIR]]\n",
     "Draws record RECORD of FILE.QL3 through its page layout into a PDF, PNG, SVG, BMP, JPEG,\n"
     "WMF or EMF file, as the preview saves them (a metafile leaves bitmaps out), or into a\n"
     "web page (.htm or .html) with its JPEG picture beside it, named as the page with the\n"
     "extension JPG, as the web page window makes it from the HTML settings;\n"
     "all makes a puzzle book (PDF only): every puzzle, then every answer key; with\n"
     "--interactive, a web page per puzzle. Options not given take the print options saved\n"
     "in QUARL3.INI of the current folder (or their defaults), then the layout's own grid\n"
     "lines, letter case and column count.\n"
     "\n"
     "  --answer-key         mark the hidden words (and the phrase letters)\n"
     "  --words FORM         the word list as normal, clues, scrambled or partial words\n"
     "  --grid, --lower-case grid lines; letters in lower case\n"
     "  --columns N          columns of the word or clue list, 1..9\n"
     "  --first N, --last N  letters partial words show at each end, 0..9\n"
     "  --underscores        underscores for the hidden letters of clues and partial words\n"
     "  --no-title, --no-body, --no-words, --no-bonus   leave that part out\n"
     "  --dpi N              pixels per inch of a PNG, SVG, BMP, JPEG or web page picture,\n"
     "                       30..600 (default 150); a picture holds at most 64 million pixels\n"
     "  --quality N          JPEG quality 1..100 (default: JPeg Compression Quality, 50)\n"
     "  --pixel-format N     BMP and JPEG colours: 1 true colour, 2 a 256-colour palette\n"
     "                       (default: Pixel Format, 1)\n"
     "  --seed N             the same scrambled words (and interactive pages) every time\n"
     "  --web-title TEXT     a web page's title (default: Web Title, Word Search Puzzle)\n"
     "  --header TEXT        a web page's first header, in its saved style (default: First\n"
     "                       Header, My Puzzle)\n"
     "  --layout N           print through layout N of the layout library QLFPAGE.DAT (in\n"
     "                       --library DIR, default the program's folder) instead of the\n"
     "                       puzzle's own page\n"
     "Warnings (what did not fit, missing bitmaps) go to stderr and do not change the exit\n"
     "code.\n"
     "\n"
     "  --interactive        an interactive web puzzle instead: one HTML file (.htm or\n"
     "                       .html) that pupils solve in a browser by dragging across the\n"
     "                       words, tapping their ends or with the keyboard; it needs nothing\n"
     "                       beside it. The word list takes --words (clues numbered, each\n"
     "                       answer shown once found). With all, PAGE is an index page\n"
     "                       linking one page per puzzle (each links back), written beside\n"
     "                       it and named after it with the record number: --out sea.html\n"
     "                       writes sea-0.html, sea-1.html, ... and sea.html; puzzles never\n"
     "                       generated are left out with a warning. A file of another kind\n"
     "                       is never written over. --answer-key, --columns, --no-body, --dpi,\n"
     "                       --quality, --pixel-format, --web-title and --header do not\n"
     "                       apply\n"
     "  --no-answers         leave out the page's Show answers button\n"},
    {"--book", gw::cli::RunBook,
     "  gridwright-make --book FILE.QL3 [all | LIST] --out BOOK.pdf\n"
     "                  [--trim letter|a4|a5|6x9|7x10|8.5x11|WxH] [--keys back|after|none]\n"
     "                  [--keys-per-page 1|2|4|6] [--title-page TEXT] [--contents]\n"
     "                  [--no-page-numbers] [--start-number N] [--large-print]\n"
     "                  [the print options of --render]\n",
     "Makes a puzzle book: the puzzles of FILE.QL3 (all, the default, or a LIST of records\n"
     "and ranges such as 0,2,5-9, in that order) in one PDF, each on its own page drawn\n"
     "through its page layout, scaled to fit the trim size inside a 0.375-inch margin and\n"
     "centred, with the page number at the foot and the fonts embedded. The PDF is titled with\n"
     "the --title-page text or the group's name. Pages take the print options as --render\n"
     "does; the answer keys are each puzzle's grid with its words ringed, labelled with its\n"
     "title and page.\n"
     "\n"
     "  --trim SIZE          page size: letter (8.5 x 11 in), a4, a5, 6x9, 7x10, 8.5x11 or\n"
     "                       WxH in inches, 2 to 50 (default: each puzzle on its layout's paper,\n"
     "                       the other pages on the first puzzle's)\n"
     "  --keys WHERE         back (default): the keys on pages headed \"Answers\" at the end;\n"
     "                       after: each key on the page after its puzzle; none\n"
     "  --keys-per-page N    keys on each page at the back: 1, 2, 4 (default) or 6\n"
     "  --title-page TEXT    a first page with TEXT, not numbered\n"
     "  --contents           pages listing every puzzle's title and page (and the answers')\n"
     "  --no-page-numbers    no numbers at the feet; contents and labels still count pages\n"
     "  --start-number N     the number of the first page after the title page (default 1)\n"
     "  --large-print        letters, words and clues never below 14 points; a puzzle that\n"
     "                       then does not fit is named on stderr\n"
     "An --out that exists and is not a PDF (a group, a library) is never written over.\n"},
    {"--print", gw::cli::RunPrint,
     "  gridwright-make --print FILE.QL3 RECORD|all [--printer NAME] [--copies N]\n"
     "                  [the print options of --render]\n",
     "Prints record RECORD of FILE.QL3 (all: the puzzle book) through its page layout, each\n"
     "page on its layout's paper and orientation, with the options of --render.\n"
     "\n"
     "  --printer NAME       an installed printer (default: the system's default printer)\n"
     "  --copies N           copies, 1..999 (default 1)\n"
     "Without any printer: \"No printers are defined, aborting print job.\" and exit code 3.\n"},
    {"--check-spelling", gw::cli::RunCheckSpelling,
     "  gridwright-make --check-spelling WORDFILE [--language NAME] [--sep CHAR]\n",
     "  --check-spelling WORDFILE\n"
     "                       every unknown word of the words and clues, with up to five\n"
     "                       suggestions; exit 1 when there was one. --language american\n"
     "                       (default), british, spanish, italian, french, german, dutch or\n"
     "                       swedish; the user's own word lists count as in the program\n"},
    {"--synonyms", gw::cli::RunSynonyms,
     "  gridwright-make --synonyms WORD [--language american|british]\n",
     "  --synonyms WORD      the meanings of WORD with their synonyms, and its antonyms; exit 1\n"
     "                       when the thesaurus does not have it\n"},
};

void PrintHelp() {
  std::cout << "Usage:\n";
  for (const Command& c : kCommands) std::cout << c.synopsis;
  std::cout << "  gridwright-make --help | --version\n";
  for (const Command& c : kCommands) std::cout << "\n" << c.details;
  std::cout << "\nExports (--export-words, --layouts --export, --render) never replace a puzzle\n"
               "group, a shape or layout library, an export file of another kind or the file\n"
               "they read, even through a link: that is refused with exit code 2.\n"
               "\nExit codes: 0 done, 1 unknown words found (--check-spelling, --synonyms),\n"
               "2 usage or input error (an unreadable file included), 3 could not be done (for a\n"
               "new puzzle: nothing could be placed, or the group could not be written; a file\n"
               "that cannot be written; a printer that did not take the job; a dictionary or\n"
               "thesaurus that is not installed).\n";
}

int Dispatch(const Args& args) {
  if (args.empty()) return gw::cli::UsageError("no word file given");
  if (args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
    return gw::cli::kDone;
  }
  if (args[0] == "--version") {
    std::cout << "gridwright-make " GW_VERSION "\n";
    return gw::cli::kDone;
  }
  for (const Command& c : kCommands)
    if (c.option && args[0] == c.option) return c.run(Args(args.begin() + 1, args.end()));
  return gw::cli::RunMake(args);
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file size limit a write should fail and be reported, not end the process.
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return Dispatch(Args(argv + 1, argv + argc));
  } catch (const gw::IoError& e) {
    // Commands report what they expect; anything that still gets here is a file we could not
    // read or write.
    return gw::cli::Fail(gw::cli::kBadInput, e.what());
  } catch (const std::bad_alloc&) {
    return gw::cli::Fail(gw::cli::kCannotDo, "out of memory");
  } catch (const std::exception& e) {
    return gw::cli::Fail(gw::cli::kCannotDo, e.what());
  }
}
