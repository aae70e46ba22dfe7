// Windows-1252 <-> QString with our own table for 0x80..0x9F, independent of how Qt was built.
#include "base/TextCodec.h"

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <set>

#include "base/TextUtils.h"

namespace gw {
namespace {

// Unicode code points of 0x80..0x9F; 0 marks the five undefined positions (kept as C1 controls).
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
  return b;
}

int Encode(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return 0x80 + i;
  if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0) return u;  // undefined slots round-trip
  return -1;
}

}  // namespace

QString ToQString(const std::string& cp1252) {
  QString out;
  out.reserve(static_cast<qsizetype>(cp1252.size()));
  for (unsigned char b : cp1252) out.append(QChar(Decode(b)));
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    const int b = Encode(ch.unicode());
    out.push_back(static_cast<char>(b < 0 ? '?' : b));
  }
  return out;
}

FileText Cp1252FromFileText(const std::string& bytes) {
  auto starts = [&bytes](const char* mark, size_t n) { return bytes.compare(0, n, mark, n) == 0; };
  QStringDecoder::Encoding encoding = QStringDecoder::Utf8;
  size_t skip = 0;
  if (starts("\xEF\xBB\xBF", 3)) {
    skip = 3;
  } else if (starts("\xFF\xFE", 2)) {
    encoding = QStringDecoder::Utf16LE;
    skip = 2;
  } else if (starts("\xFE\xFF", 2)) {
    encoding = QStringDecoder::Utf16BE;
    skip = 2;
  } else if (std::all_of(bytes.begin(), bytes.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    return {bytes, false, {}};
  }
  QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(
      QByteArrayView(bytes.data() + skip, static_cast<qsizetype>(bytes.size() - skip)));
  // Without a byte order mark only valid UTF-8 counts as Unicode; behind one, damaged sequences
  // come out as U+FFFD and are reported like any other character we cannot keep.
  if (skip == 0 && decoder.hasError()) return {bytes, false, {}};

  FileText out;
  out.converted = true;
  out.text.reserve(static_cast<size_t>(text.size()));
  std::set<char32_t> seen;
  for (const char32_t u : text.toUcs4()) {
    const int b = u <= 0xFFFF ? Encode(static_cast<char16_t>(u)) : -1;
    if (b >= 0) {
      out.text.push_back(static_cast<char>(b));
      continue;
    }
    out.text.push_back('?');
    if (seen.insert(u).second) out.unmapped += QString::fromUcs4(&u, 1);
  }
  return out;
}

std::string CodePointList(const QString& characters, int most) {
  const QList<uint> codes = characters.toUcs4();
  std::string out;
  for (qsizetype i = 0; i < codes.size() && i < most; ++i) {
    if (i > 0) out += ", ";
    out += QStringLiteral("U+%1").arg(codes[i], 4, 16, QLatin1Char('0')).toUpper().toStdString();
  }
  if (codes.size() > most) out += " and " + std::to_string(codes.size() - most) + " more";
  return out;
}

bool ListTextLess(const QString& a, const QString& b) {
  // Alphabetical as people read it: accented letters beside their plain ones, in the user's
  // language. The plain "C" locale would order by code, putting every accented letter after z.
  static const QCollator collator = [] {
    QCollator c(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  const int c = collator.compare(a, b);
  return c != 0 ? c < 0 : a < b;
}

bool IsCp1252(const QString& text) {
  for (QChar ch : text)
    if (Encode(ch.unicode()) < 0) return false;
  return true;
}

namespace {

// Windows-1252 itself needs no converter; everything else goes through Qt's, UTF-8 by default.
bool IsCp1252Name(const std::string& encoding) {
  return EqualsNoCase(encoding, "windows-1252") || EqualsNoCase(encoding, "cp1252") ||
         EqualsNoCase(encoding, "microsoft-cp1252");
}

QStringConverter::Encoding NamedEncoding(const std::string& encoding) {
  // Dictionaries write "ISO8859-1" where Qt expects "ISO-8859-1".
  std::string name = encoding;
  if (name.size() > 7 && EqualsNoCase(name.substr(0, 7), "ISO8859")) name.insert(3, "-");
  if (const auto known = QStringConverter::encodingForName(name.c_str())) return *known;
  return QStringConverter::Utf8;
}

}  // namespace

std::optional<std::string> ToEncoding(const std::string& cp1252, const std::string& encoding) {
  if (IsCp1252Name(encoding)) return cp1252;
  const QString text = ToQString(cp1252);
  QStringEncoder encoder(NamedEncoding(encoding), QStringEncoder::Flag::Stateless);
  const QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return std::nullopt;
  // Latin-1 has no error state of its own: it writes '?' for what it cannot hold.
  if (NamedEncoding(encoding) == QStringConverter::Latin1)
    for (QChar ch : text)
      if (ch.unicode() > 0xFF) return std::nullopt;
  return bytes.toStdString();
}

std::optional<std::string> FromEncoding(const std::string& bytes, const std::string& encoding) {
  if (IsCp1252Name(encoding)) return bytes;
  QStringDecoder decoder(NamedEncoding(encoding), QStringDecoder::Flag::Stateless);
  const QString text =
      decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (decoder.hasError() || !IsCp1252(text)) return std::nullopt;
  return FromQString(text);
}

}  // namespace gw
