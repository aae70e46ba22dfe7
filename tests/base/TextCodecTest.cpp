// Windows-1252 <-> QString.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>

#include "base/TextCodec.h"

namespace gw {
namespace {

TEST(TextCodec, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(FromQString(ToQString(all)), all);
}

TEST(TextCodec, MapsTheWindowsPunctuationRange) {
  EXPECT_EQ(ToQString("\x80"), QString(QChar(0x20AC)));
  EXPECT_EQ(ToQString("\x93quoted\x94"), QString::fromUtf8("\u201Cquoted\u201D"));
  EXPECT_EQ(ToQString("\x9C"), QString(QChar(0x0153)));
  EXPECT_EQ(FromQString(QString::fromUtf8("\u20AC \u0152 \u00E9")), "\x80 \x8C \xE9");
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(FromQString(QString::fromUtf8("\u4E2D")), "?");
  EXPECT_FALSE(IsCp1252(QString::fromUtf8("\u4E2D")));
  EXPECT_TRUE(IsCp1252(QString::fromUtf8("na\u00EFve \u20AC")));
}

TEST(TextCodec, DictionaryEncodingsBothWays) {
  // "Mañana œuvre" in Windows-1252.
  const std::string word =
      "Ma\xF1"
      "ana \x9C"
      "uvre";
  EXPECT_EQ(ToEncoding(word, "UTF-8"),
            "Ma\xC3\xB1"
            "ana \xC5\x93uvre");
  EXPECT_EQ(FromEncoding("Ma\xC3\xB1"
                         "ana \xC5\x93uvre",
                         "utf-8"),
            word);
  EXPECT_EQ(ToEncoding(word, "windows-1252"), word);
  // Latin-1 has ñ but not œ; dictionaries spell its name "ISO8859-1".
  EXPECT_EQ(ToEncoding("Ma\xF1"
                       "ana",
                       "ISO8859-1"),
            "Ma\xF1"
            "ana");
  EXPECT_EQ(ToEncoding(word, "ISO8859-1"), std::nullopt);
  EXPECT_EQ(FromEncoding("caf\xE9", "ISO8859-1"), "caf\xE9");
  // Broken UTF-8 and characters Windows-1252 lacks come back as nothing.
  EXPECT_EQ(FromEncoding("caf\xE9", "UTF-8"), std::nullopt);
  EXPECT_EQ(FromEncoding("\xE4\xB8\xAD", "UTF-8"), std::nullopt);
  // An unknown name is taken as UTF-8.
  EXPECT_EQ(ToEncoding("\xE9", "no-such-encoding"), "\xC3\xA9");
}

TEST(TextCodec, ListsSortAlphabeticallyWithAccentsBesideTheirLetters) {
  QStringList texts = {QString::fromUtf8("\xC3\x81rbol"),
                       "school",
                       "apple",
                       "Apple",
                       "Banana",
                       "5x5 Dot",
                       "10x10 Star",
                       QString::fromUtf8("ca\xC3\xB1on"),
                       "cazar"};
  std::sort(texts.begin(), texts.end(), ListTextLess);
  EXPECT_EQ(texts.join("|"), QString::fromUtf8("10x10 Star|5x5 Dot|Apple|apple|\xC3\x81rbol|Banana|"
                                               "ca\xC3\xB1on|cazar|school"));
}

TEST(TextCodec, FileTextNamesWhatItCouldNotKeep) {
  // Behind a byte order mark, damaged UTF-8 is reported rather than read as Windows-1252.
  const FileText damaged = Cp1252FromFileText(
      "\xEF\xBB\xBF"
      "ab\xFF");
  EXPECT_TRUE(damaged.converted);
  EXPECT_EQ(damaged.text, "ab?");
  EXPECT_EQ(CodePointList(damaged.unmapped), "U+FFFD");
  EXPECT_FALSE(Cp1252FromFileText("plain").converted);
  EXPECT_EQ(CodePointList(QString::fromUtf8("\u4E2D\U0001F600")), "U+4E2D, U+1F600");
  EXPECT_EQ(CodePointList(QString::fromUtf8("\u4E2D\u6587\u5B57"), 2), "U+4E2D, U+6587 and 1 more");
}

}  // namespace
}  // namespace gw
