// Fuzz target: a puzzle record of any bytes (a group from outside) made into an interactive web
// page: it stays one page with only its own two scripts, valid UTF-8, with data a browser parses.
#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "page/InteractivePage.h"

using namespace gw;

namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto puzzle = std::make_unique<PuzzleRecord>();
  std::memset(puzzle.get(), 0, sizeof(PuzzleRecord));
  std::memcpy(puzzle.get(), data, std::min(size, sizeof(PuzzleRecord)));
  // Bytes past the record choose the page's options.
  const uint8_t extra = size > sizeof(PuzzleRecord) ? data[sizeof(PuzzleRecord)] : 0;
  InteractivePageOptions options;
  options.print.wordOption = extra % 5;
  options.print.lowerCase = extra & 8;
  options.print.clueUnderscore = options.print.partialUnderscore = extra & 16;
  options.print.firstLetters = extra >> 5;
  options.print.scrambleSeed = 1;
  options.showAnswers = extra & 32;
  options.key = size;

  InteractivePageRefusal(*puzzle);
  const std::string page = InteractivePageText(*puzzle, options);
  FUZZ_CHECK(page.rfind("<!DOCTYPE html>\n", 0) == 0);
  FUZZ_CHECK(Count(page, "<script") == 2 && Count(page, "</script") == 2);
  FUZZ_CHECK(Count(page, "<img") == 0 && Count(page, "<h1") <= 1);
  const QByteArray bytes = QByteArray::fromStdString(page);
  FUZZ_CHECK(QString::fromUtf8(bytes).toUtf8() == bytes);

  const std::string open = "<script type=\"application/json\" id=\"puzzle-data\">\n";
  const size_t at = page.find(open);
  FUZZ_CHECK(at != std::string::npos);
  const size_t from = at + open.size();
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(
      QByteArray::fromStdString(page.substr(from, page.find("</script>", from) - from)), &error);
  FUZZ_CHECK(error.error == QJsonParseError::NoError);
  const QJsonObject object = json.object();
  FUZZ_CHECK(object["rows"].toInt() == ClampedGridHeight(*puzzle));
  FUZZ_CHECK(object["grid"].toArray().size() == ClampedGridHeight(*puzzle));
  for (const QJsonValue row : object["grid"].toArray())
    FUZZ_CHECK(row.toString().size() == ClampedGridWidth(*puzzle));
  return 0;
}
