// gridwright-make --render: puzzle pages to PDF, PNG or SVG files.
#include <QByteArray>
#include <QSaveFile>
#include <filesystem>
#include <iostream>

#include "tools/MakeCommands.h"
#include "tools/PageArgs.h"

namespace gw::cli {
namespace {

enum class Format { Pdf, Png, Svg };

struct RenderRequest {
  PageArgs page;
  std::string out;
  Format format = Format::Pdf;
  long dpi = 150;
};

// Parses the arguments after --render; a message when they are not usable.
std::optional<std::string> Parse(const Args& args, RenderRequest& r) {
  const auto own = [&r](const Args& a, size_t& i, std::optional<std::string>& problem) {
    if (a[i] != "--out" && a[i] != "--dpi") return false;
    const bool out = a[i] == "--out";
    const std::string* v = OptionValue(a, i, problem);
    if (!v) return true;
    if (out) {
      r.out = *v;
    } else if (const auto n = Number(*v, 30, 600)) {
      r.dpi = *n;
    } else {
      problem = "--dpi takes 30 to 600";
    }
    return true;
  };
  if (auto problem = ParsePageArgs(args, "--render", r.page, own)) return problem;
  if (r.out.empty()) return "--out is required";
  std::string ext = std::filesystem::path(r.out).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == ".pdf")
    r.format = Format::Pdf;
  else if (ext == ".png")
    r.format = Format::Png;
  else if (ext == ".svg")
    r.format = Format::Svg;
  else
    return "--out must end in .pdf, .png or .svg";
  if (r.page.record == "all" && r.format != Format::Pdf) return "all pages go into a PDF only";
  return std::nullopt;
}

bool WriteWhole(const std::string& path, const QByteArray& bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

int RunRender(const Args& args) {
  RenderRequest r;
  if (const auto problem = Parse(args, r)) return UsageError(*problem);
  PagePuzzles puzzles;
  if (const int code = LoadPagePuzzles(r.page, puzzles); code != kDone) return code;

  const auto app = StartOffscreenApplication();
  std::vector<int> pageRecords;
  std::vector<PageRequest> pages = PageRequests(puzzles, r.page, pageRecords);

  std::vector<PageJobResult> results;
  QByteArray bytes;
  if (r.format == Format::Pdf) {
    bytes = PdfOfPages(pages, results);
  } else {
    results.emplace_back();
    PageRequest& page = pages.front();
    if (r.format == Format::Svg) {
      bytes = SvgOfPage(*page.puzzle, page.options, static_cast<double>(r.dpi), results.back());
    } else {
      bytes = PngOfImage(
          ImageOfPage(*page.puzzle, page.options, static_cast<double>(r.dpi), results.back()));
    }
  }

  if (const int code = ReportPageResults(results, pageRecords); code != kDone) return code;
  if (bytes.isEmpty() || !WriteWhole(r.out, bytes)) return Fail(kCannotDo, "cannot write " + r.out);
  std::cout << r.out << ": " << pages.size() << (pages.size() == 1 ? " page\n" : " pages\n");
  return kDone;
}

}  // namespace gw::cli
