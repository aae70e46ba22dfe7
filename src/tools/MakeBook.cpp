// gridwright-make --book: a print-ready PDF of many puzzles with numbered pages and answer keys.
#include <QString>
#include <filesystem>
#include <iostream>

#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "page/PageExport.h"
#include "page/PuzzleBook.h"
#include "tools/MakeCommands.h"
#include "tools/PageArgs.h"

namespace gw::cli {
namespace {

struct BookRequest {
  PageArgs page;
  BookOptions book;
  std::string out;
};

bool EndsInPdf(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".pdf";
}

// Parses the arguments after --book; a message when they are not usable.
std::optional<std::string> Parse(const Args& args, BookRequest& r) {
  const auto own = [&r](const Args& a, size_t& i, std::optional<std::string>& problem) {
    const std::string& name = a[i];
    if (name == "--contents" || name == "--large-print" || name == "--no-page-numbers") {
      if (name == "--contents") r.book.contents = true;
      if (name == "--large-print") r.book.largePrint = true;
      if (name == "--no-page-numbers") r.book.pageNumbers = false;
      return true;
    }
    if (name != "--out" && name != "--trim" && name != "--keys" && name != "--keys-per-page" &&
        name != "--title-page" && name != "--start-number")
      return false;
    const std::string* v = OptionValue(a, i, problem);
    if (!v) return true;
    if (name == "--out") {
      r.out = *v;
    } else if (name == "--trim") {
      r.book.trim = TrimSize(*v);
      if (!r.book.trim)
        problem = "unknown trim size " + *v +
                  ": --trim takes letter, a4, a5, 6x9, 7x10, 8.5x11 or WxH in inches (2 to 50)";
    } else if (name == "--keys") {
      if (*v == "back")
        r.book.keys = BookKeys::Back;
      else if (*v == "after")
        r.book.keys = BookKeys::After;
      else if (*v == "none")
        r.book.keys = BookKeys::None;
      else
        problem = "--keys takes back, after or none";
    } else if (name == "--keys-per-page") {
      const auto n = Number(*v, 1, 6);
      if (n && KeysPerPageAllowed(static_cast<int>(*n)))
        r.book.keysPerPage = static_cast<int>(*n);
      else
        problem = "--keys-per-page takes 1, 2, 4 or 6";
    } else if (name == "--title-page") {
      r.book.titlePage = FromArg(*v);
      if (FindControlCharacter(r.book.titlePage) != std::string::npos)
        problem = "--title-page holds a control character";
    } else if (const auto n = Number(*v, 1, 99999)) {
      r.book.startNumber = static_cast<int>(*n);
    } else {
      problem = "--start-number takes 1 to 99999";
    }
    return true;
  };
  r.page.recordList = true;
  if (auto problem = ParsePageArgs(args, "--book", r.page, own)) return problem;
  if (r.out.empty()) return "--out is required";
  if (!EndsInPdf(r.out)) return "--out must end in .pdf: a book is a PDF";
  return std::nullopt;
}

}  // namespace

int RunBook(const Args& args) {
  BookRequest r;
  if (const auto problem = Parse(args, r)) return UsageError(*problem);
  if (const auto problem = PdfOverwriteProblem(r.out)) return Fail(kBadInput, ToTerminal(*problem));
  PagePuzzles puzzles;
  if (const int code = LoadPagePuzzles(r.page, puzzles); code != kDone) return code;
  r.book.title = !Trim(r.book.titlePage).empty()
                     ? Trim(r.book.titlePage)
                     : FromArg(std::filesystem::path(r.page.group).stem().string());

  const auto app = StartOffscreenApplication();
  const std::vector<PrintOptions> options = PuzzlePageOptions(puzzles, r.page);
  std::vector<BookPuzzle> book;
  for (size_t i = 0; i < puzzles.puzzles.size(); ++i)
    book.push_back({puzzles.puzzles[i].get(), options[i]});
  BookResult result;
  const QByteArray bytes = PdfOfBook(book, r.book, result);
  if (!result.refusal.empty()) return Fail(kBadInput, result.refusal);
  for (const BookWarning& w : result.warnings)
    std::cerr << "gridwright-make: record " << puzzles.records[static_cast<size_t>(w.puzzle)]
              << " (page " << w.page << "): " << ToTerminal(w.text) << "\n";
  const OpResult saved = SaveWholeFile(r.out, bytes);
  if (!saved.ok) return Fail(saved.refused ? kBadInput : kCannotDo, ToTerminal(saved.message));
  std::cout << r.out << ": " << result.pages << " pages, " << book.size()
            << (book.size() == 1 ? " puzzle\n" : " puzzles\n");
  return kDone;
}

}  // namespace gw::cli
