// INI reading and in-place updating by the profile-string rules.
#include <gtest/gtest.h>

#include "base/IniFile.h"

namespace gw {
namespace {

TEST(IniFile, ReadsHandEditedTextLikeTheProfileFunctions) {
  const IniFile ini = IniFile::Parse(
      "; written by hand\n"
      "Stray=before any section\n"
      "[misc]\n"
      "  window size =  800  \n"
      "Last Group = \"  spaced name  \"\r\n"
      "show tips='Yes'\n"
      "Half=\"open\n"
      "Dup=first\n"
      "Dup=second\n"
      "NoEquals\n"
      "Empty=\n"
      "[ Misc ]\n"
      "Zoom=9\n"
      "[Other]\n"
      "Dup=other\n");
  EXPECT_EQ(ini.Find("Misc", "Window Size"), "800");
  EXPECT_EQ(ini.Find("MISC", "last group"), "  spaced name  ");
  EXPECT_TRUE(ini.GetFlag("Misc", "Show Tips", false));
  EXPECT_EQ(ini.Find("Misc", "Half"), "\"open");  // no matching quote: kept
  EXPECT_EQ(ini.Find("Misc", "Dup"), "first");
  EXPECT_EQ(ini.Find("Other", "Dup"), "other");
  EXPECT_EQ(ini.Find("Misc", "NoEquals"), std::nullopt);
  EXPECT_EQ(ini.Find("Misc", "Stray"), std::nullopt);
  // The first section of a name wins; a second one is not merged in.
  EXPECT_EQ(ini.Find("Misc", "Zoom"), std::nullopt);
  // A key that is there but empty gives the empty text, not the default.
  EXPECT_EQ(ini.GetString("Misc", "Empty", "default"), "");
  EXPECT_EQ(ini.GetString("Misc", "Missing", "default"), "default");
  EXPECT_EQ(ini.GetString("Nowhere", "Dup", "default"), "default");
  EXPECT_TRUE(IniFile::Parse("[S]\nFlag=  yEs\t\n").GetFlag("S", "Flag", false));

  // An editor's byte order mark neither hides the first section nor gets lost.
  IniFile marked = IniFile::Parse("\xEF\xBB\xBF[Misc]\nA=1\n");
  EXPECT_EQ(marked.Find("Misc", "A"), "1");
  marked.SetString("Misc", "A", "2");
  EXPECT_EQ(marked.Text(), "\xEF\xBB\xBF[Misc]\r\nA=2\r\n");
}

TEST(IniFile, EveryValueReadsBackAsWrittenOnItsOwnLine) {
  IniFile ini;
  const std::vector<std::string> values = {
      " ",  "\t",   "  lead", "trail  ",         "\"quoted\"", "'single'",
      "\"", "a\"b", "x=y",    "[not a section]", "C:\\dir\\f", "\xE9t\xE9"};
  for (size_t i = 0; i < values.size(); ++i) ini.SetString("S", "K" + std::to_string(i), values[i]);
  const IniFile again = IniFile::Parse(ini.Text());
  for (size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(again.Find("S", "K" + std::to_string(i)), values[i]) << i;

  // A line break must not let a value spill into keys or sections of its own.
  ini.SetString("S", "Broken", "one\r\n[Misc]\nWindow Size=1");
  const IniFile parsed = IniFile::Parse(ini.Text());
  EXPECT_EQ(parsed.Find("S", "Broken"), "one  [Misc] Window Size=1");
  EXPECT_EQ(parsed.Find("Misc", "Window Size"), std::nullopt);
}

}  // namespace
}  // namespace gw
