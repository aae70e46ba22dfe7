// The puzzle book: many puzzles on numbered pages of one trim size, their answer keys gathered at
// the back (several to a page) or after each puzzle, with a title page and contents when asked.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "page/PageDocuments.h"
#include "page/PrintJob.h"

namespace gw {

enum class BookKeys { Back, After, None };

// Nothing the book draws comes nearer the trim's edge than this, in inches: print-on-demand
// printers cut within it.
inline constexpr double kBookMargin = 0.375;
// Large print: letters, words and clues are printed at least this size, in points.
inline constexpr int kLargePrintPoints = 14;
// The heading of the answer key pages.
inline constexpr const char* kAnswersHeading = "Answers";

struct BookOptions {
  // The trim size in inches; nothing: each puzzle on its layout's own paper, and the other pages
  // on the first puzzle's.
  std::optional<QSizeF> trim;
  BookKeys keys = BookKeys::Back;
  int keysPerPage = 4;    // at the back: 1, 2, 4 or 6
  std::string titlePage;  // Windows-1252; empty: no title page
  bool contents = false;
  bool pageNumbers = true;  // at the foot of every page but the title page
  int startNumber = 1;      // the number of the first page after the title page
  bool largePrint = false;
  std::string title;  // the document's title (PDF title, print job), Windows-1252
};

// The trim size of a name: letter, a4, a5, 6x9, 7x10, 8.5x11 (any letter case), or WxH in inches,
// each from 2 to 50. Nothing when it is none of these.
std::optional<QSizeF> TrimSize(const std::string& name);
// Keys to a page the book takes: 1, 2, 4 or 6.
bool KeysPerPageAllowed(int count);

// One puzzle of the book, with the options of its page. The page job writes its fitted sizes into
// the puzzle, so it is the caller's copy.
struct BookPuzzle {
  PuzzleRecord* puzzle;
  PrintOptions options;
};

// The pages of a book in order, planned before anything is drawn so that the contents and the
// answer keys can name the pages their puzzles are on.
enum class BookPageKind { Title, Contents, Puzzle, Keys };
struct BookPage {
  BookPageKind kind;
  int number = 0;  // as printed at its foot; 0 on the title page
  QSizeF size;     // inches
  // Puzzle: the puzzle; Keys: the first of `count` puzzles whose keys it holds; Contents: the
  // first of `count` entries it lists.
  int first = 0, count = 0;
};
std::vector<BookPage> PlanBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options);

// Something a puzzle page warns about: what did not fit, or a missing bitmap, as the page job
// says it.
struct BookWarning {
  int puzzle;  // index into the book's puzzles
  int page;    // the page's number
  std::string text;
};

struct BookResult {
  // Not empty when a puzzle's page job refused ("Invalid number of columns specified."): then
  // nothing more is drawn and no file should be written.
  std::string refusal;
  bool cancelled = false;
  int pages = 0;
  std::vector<BookWarning> warnings;
};

// Where the book's pages go.
class BookPages {
 public:
  virtual ~BookPages() = default;
  // Starts the next page, of `size` inches, and gives the target to draw it on; the target is
  // used until the next call.
  virtual PageTarget& NewPage(const QSizeF& size) = 0;
};

// Draws the book page by page: each puzzle through its own layout, scaled uniformly to fit the
// trim inside the safe margin and centred; page numbers; the keys, each the puzzle's grid with
// its capsules under its title and page. `cancelled` is asked between pages and objects.
BookResult DrawBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                    BookPages& pages, const std::function<bool()>& cancelled = {});

// The book as a PDF in memory, at kPdfDpi with its fonts embedded, titled options.title and made
// by the program. Empty after a refusal.
QByteArray PdfOfBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                     BookResult& result);

// The book recorded as a report stream for a printer of `dpi`, for the preview and the printer.
// The finished job holds no puzzle (a book is not drawn again as a metafile) and carries
// options.title; its stream is empty after a refusal or a cancel.
FinishedJob RecordBook(const std::vector<BookPuzzle>& puzzles, const BookOptions& options,
                       double dpi, BookResult& result, const std::function<bool()>& cancelled = {});

}  // namespace gw
