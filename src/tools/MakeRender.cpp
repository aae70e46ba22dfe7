// gridwright-make --render: puzzle pages to PDF, PNG, SVG, BMP, JPEG, WMF, EMF or web pages.
#include <QByteArray>
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/AppPaths.h"
#include "base/IoError.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "layouts/LayoutLibrary.h"
#include "output/HtmlExport.h"
#include "output/PageDocuments.h"
#include "output/PageExport.h"
#include "storage/PuzzleGroup.h"
#include "tools/MakeCommands.h"

namespace gw::cli {
namespace {

enum class Format { Pdf, Png, Svg, Bmp, Jpeg, Wmf, Emf, Html };

struct RenderRequest {
  std::string group;
  std::string record;  // a number or "all"
  std::string out;
  Format format = Format::Pdf;
  bool answerKey = false;
  std::optional<long> wordOption, columns, first, last;
  bool grid = false, lowerCase = false, underscores = false;
  bool noTitle = false, noBody = false, noWords = false, noBonus = false;
  long dpi = 150;
  std::optional<long> quality, pixelFormat;
  std::optional<uint64_t> seed;
  std::optional<long> layout;  // a record of the layout library instead of the puzzle's own page
  std::string libraryDir;
  std::optional<std::string> webTitle, header;  // of a web page, in Windows-1252
};

// Qt's warning about an unset runtime folder means nothing to a command that writes one file.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
  std::cerr << message.toStdString() << "\n";
}

// Parses the arguments after --render; a message when they are not usable.
std::optional<std::string> Parse(const Args& args, RenderRequest& r) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      positional.push_back(a);
      continue;
    }
    if (a == "--answer-key") {
      r.answerKey = true;
    } else if (a == "--grid") {
      r.grid = true;
    } else if (a == "--lower-case") {
      r.lowerCase = true;
    } else if (a == "--underscores") {
      r.underscores = true;
    } else if (a == "--no-title") {
      r.noTitle = true;
    } else if (a == "--no-body") {
      r.noBody = true;
    } else if (a == "--no-words") {
      r.noWords = true;
    } else if (a == "--no-bonus") {
      r.noBonus = true;
    } else if (a == "--out" || a == "--words" || a == "--columns" || a == "--first" ||
               a == "--last" || a == "--dpi" || a == "--seed" || a == "--layout" ||
               a == "--library" || a == "--quality" || a == "--pixel-format" ||
               a == "--web-title" || a == "--header") {
      if (i + 1 >= args.size()) return a + " needs a value";
      const std::string& v = args[++i];
      if (a == "--out") {
        r.out = v;
      } else if (a == "--words") {
        static const char* const kForms[] = {"normal", "clues", "scrambled", "partial"};
        r.wordOption.reset();
        for (long k = 0; k < 4; ++k)
          if (v == kForms[k]) r.wordOption = k + 1;
        if (!r.wordOption) return "--words takes normal, clues, scrambled or partial";
      } else if (a == "--columns") {
        if (!(r.columns = Number(v, 1, 9))) return "--columns takes 1 to 9";
      } else if (a == "--first") {
        if (!(r.first = Number(v, 0, 9))) return "--first takes 0 to 9";
      } else if (a == "--last") {
        if (!(r.last = Number(v, 0, 9))) return "--last takes 0 to 9";
      } else if (a == "--layout") {
        if (!(r.layout = Number(v, 0, 65535))) return "--layout takes a layout record number";
      } else if (a == "--web-title") {
        r.webTitle = KeptWebTitle(FromQString(QString::fromLocal8Bit(v.c_str())));
      } else if (a == "--header") {
        r.header = KeptBlockText(FromQString(QString::fromLocal8Bit(v.c_str())));
      } else if (a == "--library") {
        r.libraryDir = v;
      } else if (a == "--quality") {
        if (!(r.quality = Number(v, 1, 100))) return "--quality takes 1 to 100";
      } else if (a == "--pixel-format") {
        if (!(r.pixelFormat = Number(v, 1, 2))) return "--pixel-format takes 1 or 2";
      } else if (a == "--dpi") {
        const auto n = Number(v, 30, 600);
        if (!n) return "--dpi takes 30 to 600";
        r.dpi = *n;
      } else {
        char* end = nullptr;
        const unsigned long long seed = std::strtoull(v.c_str(), &end, 10);
        if (v.empty() || *end != '\0') return "--seed takes a whole number";
        r.seed = seed;
      }
    } else {
      return "unknown option " + a;
    }
  }
  if (positional.size() != 2) return "--render takes a group file and a record number or all";
  r.group = positional[0];
  r.record = positional[1];
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
  if ((r.webTitle || r.header) && r.format != Format::Html)
    return "--web-title and --header go with a web page (--out FILE.htm)";
  if (r.record == "all" && r.format != Format::Pdf) return "all pages go into a PDF only";
  return std::nullopt;
}

// The saved print options, then the layout's own choices, then the command line's.
PrintOptions OptionsFor(const PuzzleRecord& puzzle, const SettingsValues& settings,
                        const RenderRequest& r, bool answerKey) {
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

}  // namespace

int RunRender(const Args& args) {
  RenderRequest r;
  r.libraryDir = DefaultLibraryDir();
  if (const auto problem = Parse(args, r)) return UsageError(*problem);

  std::vector<int> records;
  std::error_code ec;
  const auto size = std::filesystem::file_size(r.group, ec);
  if (ec || !std::filesystem::is_regular_file(r.group)) return UsageError("cannot open " + r.group);
  const int count = static_cast<int>(std::min<uintmax_t>(size / sizeof(PuzzleRecord), 65536));
  if (r.record == "all") {
    if (count == 0) return Fail(kBadInput, r.group + " holds no puzzle");
    for (int i = 0; i < count; ++i) records.push_back(i);
  } else {
    const auto n = Number(r.record, 0, 65535);
    if (!n) return UsageError("RECORD must be a record number or all");
    if (*n >= count) return Fail(kBadInput, r.group + " has no record " + r.record);
    records.push_back(static_cast<int>(*n));
  }

  std::vector<std::unique_ptr<PuzzleRecord>> puzzles;
  try {
    for (int record : records) {
      puzzles.push_back(std::make_unique<PuzzleRecord>());
      if (!ReadPuzzle(r.group, record, *puzzles.back()))
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
    for (auto& p : puzzles) p->pageLayout = *layout;
  }

  // Fonts need a GUI application; the offscreen platform needs no display.
  static int argc = 3;
  static char arg0[] = "gridwright-make", arg1[] = "-platform", arg2[] = "offscreen";
  static char* argv[] = {arg0, arg1, arg2, nullptr};
  qInstallMessageHandler(QuietMessages);
  QGuiApplication app(argc, argv);

  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);

  // `all` makes a puzzle book: every puzzle, then every answer key in the same order.
  std::vector<PageRequest> pages;
  std::vector<int> pageRecords;
  const bool book = r.record == "all";
  for (int pass = 0; pass < (book ? 2 : 1); ++pass)
    for (size_t i = 0; i < puzzles.size(); ++i) {
      const bool answerKey = book ? pass == 1 : r.answerKey;
      pages.push_back({puzzles[i].get(), OptionsFor(*puzzles[i], settings, r, answerKey)});
      pageRecords.push_back(records[i]);
    }

  std::vector<PageJobResult> results;
  QByteArray bytes;
  RecordedReport recorded;
  if (r.format == Format::Pdf) {
    bytes = PdfOfPages(pages, results);
  } else if (r.format == Format::Png || r.format == Format::Svg) {
    results.emplace_back();
    PageRequest& page = pages.front();
    if (r.format == Format::Svg) {
      bytes = SvgOfPage(*page.puzzle, page.options, static_cast<double>(r.dpi), results.back());
    } else {
      bytes = PngOfImage(
          ImageOfPage(*page.puzzle, page.options, static_cast<double>(r.dpi), results.back()));
    }
  } else {
    // As the preview makes them: the page recorded, then its image or its metafile.
    results.emplace_back();
    const PageRequest& page = pages.front();
    recorded = RecordPage(*page.puzzle, page.options, static_cast<double>(r.dpi), results.back());
  }
  for (size_t i = 0; i < results.size(); ++i) {
    const PageJobResult& job = results[i];
    if (!job.ran) return Fail(kBadInput, job.refusal);
    const std::string where = "record " + std::to_string(pageRecords[i]) + ": ";
    if (!job.bitmapWarning.empty())
      std::cerr << "gridwright-make: " << where << job.bitmapWarning << "\n";
    for (const std::string& w : job.fitWarnings)
      std::cerr << "gridwright-make: " << where << w << "\n";
  }
  if (r.format == Format::Pdf || r.format == Format::Png || r.format == Format::Svg) {
    if (bytes.isEmpty()) return Fail(kCannotDo, "cannot write " + r.out);
    if (const auto why = WriteWholeFile(r.out, bytes))
      return Fail(kCannotDo, "cannot write " + r.out + ": " + *why);
  } else {
    OpResult saved;
    const long pixelFormat = r.pixelFormat.value_or(settings.pixelFormat);
    const QImage image =
        r.format == Format::Bmp || r.format == Format::Jpeg || r.format == Format::Html
            ? PageImage(recorded.stream, 0, 100.0, static_cast<double>(r.dpi), pixelFormat)
            : QImage();
    const int quality = static_cast<int>(r.quality.value_or(settings.jpegQuality));
    if (r.format == Format::Bmp) {
      saved = SaveBitmap(r.out, image);
    } else if (r.format == Format::Html) {
      // The page as the web page window makes it: the saved texts and styles, then the command
      // line's title and first header.
      HtmlPageOptions html = HtmlOptionsFrom(settings);
      if (r.webTitle) html.webTitle = *r.webTitle;
      if (r.header) html.firstHeader.text = *r.header;
      saved = SaveHtmlPage(r.out, html, image, quality);
    } else if (r.format == Format::Jpeg) {
      saved = SaveJpeg(r.out, image, quality);
    } else {
      if (LayoutHasBitmap(recorded.puzzle->pageLayout))
        std::cerr << "gridwright-make: " << kMetafileBitmapWarning << "\n";
      saved = SaveMetafile(r.out, r.format == Format::Wmf ? MetafileKind::Wmf : MetafileKind::Emf,
                           recorded);
    }
    if (!saved.ok) return Fail(kCannotDo, ToTerminal(saved.message));
  }
  std::cout << r.out << ": " << pages.size() << (pages.size() == 1 ? " page\n" : " pages\n");
  if (r.format == Format::Html) std::cout << HtmlPicturePath(r.out) << ": its picture\n";
  return kDone;
}

}  // namespace gw::cli
