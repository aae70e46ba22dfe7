// gridwright-make --render: puzzle pages to PDF, PNG, SVG, BMP, JPEG, WMF, EMF or web pages.
#include <QByteArray>
#include <QString>
#include <filesystem>
#include <iostream>

#include "base/AppPaths.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "page/HtmlExport.h"
#include "page/PageDocuments.h"
#include "page/PageExport.h"
#include "page/PrintJob.h"
#include "tools/MakeCommands.h"
#include "tools/PageArgs.h"

namespace gw::cli {
namespace {

enum class Format { Pdf, Png, Svg, Bmp, Jpeg, Wmf, Emf, Html };

struct RenderRequest {
  PageArgs page;
  std::string out;
  Format format = Format::Pdf;
  long dpi = 150;
  std::optional<long> quality, pixelFormat;
  std::optional<std::string> webTitle, header;  // of a web page, in Windows-1252
  bool interactive = false, noAnswers = false;
  std::vector<std::string> pictureOptions;  // given options that only a picture has
};

// Parses the arguments after --render; a message when they are not usable.
std::optional<std::string> Parse(const Args& args, RenderRequest& r) {
  const auto own = [&r](const Args& a, size_t& i, std::optional<std::string>& problem) {
    const std::string& name = a[i];
    if (name == "--interactive" || name == "--no-answers") {
      (name == "--interactive" ? r.interactive : r.noAnswers) = true;
      return true;
    }
    if (name != "--out" && name != "--dpi" && name != "--quality" && name != "--pixel-format" &&
        name != "--web-title" && name != "--header")
      return false;
    if (name != "--out") r.pictureOptions.push_back(name);
    const std::string* v = OptionValue(a, i, problem);
    if (!v) return true;
    if (name == "--out") {
      r.out = *v;
    } else if (name == "--web-title") {
      r.webTitle = KeptWebTitle(FromQString(QString::fromLocal8Bit(v->c_str())));
    } else if (name == "--header") {
      r.header = KeptBlockText(FromQString(QString::fromLocal8Bit(v->c_str())));
    } else if (name == "--quality") {
      if (!(r.quality = Number(*v, 1, 100))) problem = "--quality takes 1 to 100";
    } else if (name == "--pixel-format") {
      if (!(r.pixelFormat = Number(*v, 1, 2))) problem = "--pixel-format takes 1 or 2";
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
  else if (ext == ".bmp")
    r.format = Format::Bmp;
  else if (ext == ".jpg" || ext == ".jpeg")
    r.format = Format::Jpeg;
  else if (ext == ".wmf")
    r.format = Format::Wmf;
  else if (ext == ".emf")
    r.format = Format::Emf;
  else if (ext == ".htm" || ext == ".html")
    r.format = Format::Html;
  else
    return "--out must end in .pdf, .png, .svg, .bmp, .jpg, .wmf, .emf, .htm or .html";
  if (r.noAnswers && !r.interactive) return "--no-answers goes with --interactive";
  if (r.interactive) {
    if (r.format != Format::Html) return "--interactive makes a web page: --out FILE.html";
    if (r.page.answerKey) r.pictureOptions.push_back("--answer-key");
    if (r.page.columns) r.pictureOptions.push_back("--columns");
    if (r.page.noBody) r.pictureOptions.push_back("--no-body");
    if (!r.pictureOptions.empty())
      return r.pictureOptions.front() + " does not go with --interactive";
    return std::nullopt;
  }
  if ((r.webTitle || r.header) && r.format != Format::Html)
    return "--web-title and --header go with a web page (--out FILE.htm)";
  if (r.page.record == "all" && r.format != Format::Pdf) return "all pages go into a PDF only";
  return std::nullopt;
}

std::string Inches(double v) {
  return QString::number(v, 'g', 4).toStdString();
}

// The pictures and metafiles the preview saves: the page recorded as a View/Print job records it
// (at --dpi for want of a printer), then its page image at 100 % of that resolution or its
// metafile from the job's kept values. A web page takes that image as its picture.
OpResult SaveAsPreview(const RenderRequest& r, PageRequest& page, PageJobResult& result) {
  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);
  const PagePaper paper = PaperOfLayout(page.puzzle->pageLayout);
  const FinishedJob job =
      RecordPage(*page.puzzle, page.options,
                 RecordingPage{QSizeF(paper.width, paper.height), static_cast<double>(r.dpi)});
  result = job.result;
  if (!result.ran) return OpResult::Success();
  if (r.format == Format::Wmf || r.format == Format::Emf) {
    if (LayoutHasBitmap(job.puzzle->pageLayout))
      std::cerr << "gridwright-make: " << kMetafileBitmapWarning << "\n";
    return SaveMetafile(r.out, r.format == Format::Wmf ? MetafileKind::Wmf : MetafileKind::Emf,
                        job);
  }
  const QImage image = PageImage(job.stream, 0, 100.0, static_cast<double>(r.dpi),
                                 r.pixelFormat.value_or(settings.pixelFormat));
  const int quality = static_cast<int>(r.quality.value_or(settings.jpegQuality));
  if (r.format == Format::Bmp) return SaveBitmap(r.out, image);
  if (r.format == Format::Jpeg) return SaveJpeg(r.out, image, quality);
  // The page as the web page window makes it: the saved texts and styles, then the command line's
  // title and first header.
  HtmlPageOptions html = HtmlOptionsFrom(settings);
  if (r.webTitle) html.webTitle = *r.webTitle;
  if (r.header) html.firstHeader.text = *r.header;
  return SaveHtmlPage(r.out, html, image, quality);
}

}  // namespace

int RunRender(const Args& args) {
  RenderRequest r;
  if (const auto problem = Parse(args, r)) return UsageError(*problem);
  if (r.interactive) return RunInteractiveRender(r.page, r.out, !r.noAnswers);
  PagePuzzles puzzles;
  if (const int code = LoadPagePuzzles(r.page, puzzles); code != kDone) return code;

  const auto app = StartOffscreenApplication();
  std::vector<int> pageRecords;
  std::vector<PageRequest> pages = PageRequests(puzzles, r.page, pageRecords);
  if (r.format == Format::Png || r.format == Format::Bmp || r.format == Format::Jpeg ||
      r.format == Format::Html) {
    // A picture of the page at this resolution must fit in memory and in an image.
    const PagePaper paper = PaperOfLayout(pages.front().puzzle->pageLayout);
    const int most = MaxImageDpi(paper.width, paper.height);
    if (r.dpi > most)
      return Fail(kBadInput, "the page is " + Inches(paper.width) + " x " + Inches(paper.height) +
                                 " inches: at " + std::to_string(r.dpi) +
                                 " dpi its picture would pass the " +
                                 std::to_string(static_cast<long>(kMaxImagePixels / 1e6)) +
                                 " million pixels an image may hold; use --dpi " +
                                 std::to_string(most) + " or lower");
  }

  std::vector<PageJobResult> results;
  QByteArray bytes;
  OpResult saved;
  if (r.format == Format::Pdf) {
    bytes = PdfOfPages(pages, results);
  } else if (r.format != Format::Png && r.format != Format::Svg) {
    results.emplace_back();
    saved = SaveAsPreview(r, pages.front(), results.back());
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
  if (r.format == Format::Pdf || r.format == Format::Png || r.format == Format::Svg)
    saved = SaveWholeFile(r.out, bytes);
  if (!saved.ok) return Fail(saved.refused ? kBadInput : kCannotDo, ToTerminal(saved.message));
  std::cout << r.out << ": " << pages.size() << (pages.size() == 1 ? " page\n" : " pages\n");
  if (r.format == Format::Html) std::cout << HtmlPicturePath(r.out) << ": its picture\n";
  return kDone;
}

}  // namespace gw::cli
