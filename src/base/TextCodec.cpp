// Windows-1252 <-> QString with our own table for 0x80..0x9F, independent of how Qt was built.
#include "base/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

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

std::string Cp1252FromFileText(const std::string& bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return bytes;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text =
      utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (utf8.hasError()) return bytes;
  return FromQString(text);
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
