// The layout library file, its export file, and the page new puzzles get.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"
#include "support/Faults.h"
#include "support/TempDir.h"

namespace gw {
namespace {

constexpr long kRecord = 28868;

// A small but complete layout, told apart from others by its name.
std::unique_ptr<PageLayout> Named(const std::string& name) {
  auto l = std::make_unique<PageLayout>();
  std::memset(l.get(), 0, sizeof *l);
  l->layoutName.Set(name);
  SetPaper(*l, *FindPaper("A4"), true);
  SetDesignZoom(*l, 2);
  AddNewObject(*l, kKindPuzzle, 30, 40, 30);
  SetObjectText(l->objects[5], "left over in an unused slot");  // carried byte for byte
  l->reserved[3] = 7;
  return l;
}

std::string LoadedName(const std::string& library, long index) {
  PageLayout l;
  LoadLayout(library, index, l);
  return l.layoutName.Get();
}

class LayoutLibraryTest : public testing::Test {
 protected:
  void Add(const std::string& name) { ASSERT_TRUE(AppendLayout(lib, *Named(name)).ok); }

  test::TempDir dir;
  std::string lib = dir.File("QLFPAGE.DAT");
};

TEST_F(LayoutLibraryTest, MissingOrEmptyLibraryGivesTheBuiltInDefault) {
  PageLayout l;
  EXPECT_EQ(LoadLayout(lib, 0, l), LayoutSource::BuiltIn);
  EXPECT_EQ(l.layoutName.Get(), "New Page");
  EXPECT_TRUE(ListLayouts(lib).empty());
  EXPECT_FALSE(ReadLayout(lib, 0, l));

  test::WriteBytes(lib, std::vector<char>(kRecord - 1, 'x'));  // not even one whole record
  EXPECT_EQ(LoadLayout(lib, 0, l), LayoutSource::BuiltIn);
  EXPECT_TRUE(ListLayouts(lib).empty());
}

TEST_F(LayoutLibraryTest, AppendListsInFileOrderAndDefaultOutOfRangeMeansRecordZero) {
  for (const char* name : {"Alpha", "Beta", "Alpha"}) Add(name);
  EXPECT_EQ(AppendLayout(lib, *Named("Delta")).index, 3);
  EXPECT_EQ(test::FileSize(lib), 4 * kRecord);

  const std::vector<LayoutEntry> entries = ListLayouts(lib);
  ASSERT_EQ(entries.size(), 4u);
  for (long i = 0; i < 4; ++i) EXPECT_EQ(entries[i].index, i);
  // Equal names are told apart only by their record index.
  EXPECT_EQ(entries[0].text, "Alpha");
  EXPECT_EQ(entries[2].text, "Alpha");
  EXPECT_EQ(entries[3].text, "Delta");
  EXPECT_EQ(entries[1].paperName, "A4");
  EXPECT_EQ(entries[1].pageHeight, 29.7);

  EXPECT_EQ(LoadedName(lib, 1), "Beta");
  EXPECT_EQ(LoadedName(lib, 4), "Alpha");  // the count itself
  EXPECT_EQ(LoadedName(lib, 99), "Alpha");
  EXPECT_EQ(LoadedName(lib, -1), "Alpha");

  auto read = std::make_unique<PageLayout>();
  ASSERT_TRUE(ReadLayout(lib, 3, *read));
  EXPECT_EQ(std::memcmp(read.get(), Named("Delta").get(), sizeof *read), 0);
}

TEST_F(LayoutLibraryTest, DeletingMovesLaterRecordsUnderTheDefaultIndex) {
  for (const char* name : {"A", "B", "C"}) Add(name);
  const long defaultPage = 1;  // "B"; the setting is never adjusted
  ASSERT_TRUE(DeleteLayout(lib, 0).ok);
  EXPECT_EQ(test::FileSize(lib), 2 * kRecord);
  EXPECT_EQ(LoadedName(lib, defaultPage), "C");
  // Deleting the default when it is the last record leaves the setting past the end.
  ASSERT_TRUE(DeleteLayout(lib, 1).ok);
  EXPECT_EQ(LoadedName(lib, defaultPage), "B");

  // Deleting the only record leaves an empty file, and new puzzles get the built-in page.
  ASSERT_TRUE(DeleteLayout(lib, 0).ok);
  EXPECT_EQ(test::FileSize(lib), 0);
  PageLayout l;
  EXPECT_EQ(LoadLayout(lib, 0, l), LayoutSource::BuiltIn);
}

TEST_F(LayoutLibraryTest, TheDefaultFollowsItsRecordThroughDeletes) {
  for (const char* name : {"A", "B", "C", "D"}) Add(name);
  long defaultPage = 2;  // "C"
  const auto remove = [&](long index) {
    ASSERT_TRUE(DeleteLayout(lib, index).ok);
    defaultPage = DefaultAfterDelete(defaultPage, index);
  };
  remove(3);  // after the default: unchanged
  EXPECT_EQ(LoadedName(lib, defaultPage), "C");
  remove(0);  // before it: moves down with its record
  EXPECT_EQ(defaultPage, 1);
  EXPECT_EQ(LoadedName(lib, defaultPage), "C");
  remove(1);  // the default itself: record 0 takes over, also when it was the last record
  EXPECT_EQ(defaultPage, 0);
  EXPECT_EQ(LoadedName(lib, defaultPage), "B");

  EXPECT_EQ(DefaultAfterDelete(9, 4), 8) << "past the end, it stays past the end";
}

TEST_F(LayoutLibraryTest, EntryTextShowsPaperOrRoundedCustomSizeAndTheDefaultMarker) {
  LayoutEntry e{"Worksheet", 3, "Letter", 8.5, 11};
  EXPECT_EQ(LayoutEntryText(e, 0), "Worksheet (Letter)");
  EXPECT_EQ(LayoutEntryText(e, 3), "Worksheet (Letter)  <<DEFAULT>>");
  EXPECT_EQ(LayoutEntryText(e, 4), "Worksheet (Letter)");

  // The inch mark whatever the unit: centimetres are shown as they are stored.
  e = {"Poster", 0, "Custom", 29.5, 41.49};
  EXPECT_EQ(LayoutEntryText(e, 0), "Poster (Custom 30\" x 41\")  <<DEFAULT>>");
  // A damaged record still gives a readable entry.
  e = {"", 1, "Custom", std::nan(""), 1e300};
  EXPECT_EQ(LayoutEntryText(e, 0), " (Custom 0\" x 0\")");
}

TEST_F(LayoutLibraryTest, ReplaceWritesInPlaceAndFailuresReportTheirMessages) {
  for (const char* name : {"A", "B", "C"}) Add(name);
  const OpResult replaced = ReplaceLayout(lib, 1, *Named("B2"));
  EXPECT_TRUE(replaced.ok);
  EXPECT_FALSE(replaced.HasMessage());
  EXPECT_EQ(replaced.index, 1);
  EXPECT_EQ(LoadedName(lib, 0), "A");
  EXPECT_EQ(LoadedName(lib, 1), "B2");
  EXPECT_EQ(LoadedName(lib, 2), "C");

  const std::string nowhere = dir.File("no such folder/QLFPAGE.DAT");
  OpResult r = AppendLayout(nowhere, *Named("X"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unable to add page layout.");
  EXPECT_EQ(r.caption, "Disk Error");
  r = ReplaceLayout(nowhere, 0, *Named("X"));
  EXPECT_EQ(r.message, "Unable to add page layout.");
  r = DeleteLayout(dir.File("missing.dat"), 0);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unable to delete page layout.");
  EXPECT_EQ(r.caption, "Disk Error");
  EXPECT_EQ(test::FileSize(dir.File("missing.dat")), -1);
}

TEST_F(LayoutLibraryTest, ExportWritesMagicVersionAndTheRecord) {
  for (const char* name : {"A", "B"}) Add(name);
  const std::string pag = dir.File("b.pag");
  const OpResult r = ExportLayout(lib, 1, pag);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.message, "Page Layout Exported!");
  EXPECT_EQ(r.caption, "OK");

  const std::vector<char> bytes = test::ReadBytes(pag);
  ASSERT_EQ(bytes.size(), 28874u);
  EXPECT_EQ(std::string(bytes.data(), 6), "PAG1.0");
  EXPECT_EQ(std::memcmp(bytes.data() + 6, Named("B").get(), kRecord), 0);

  for (long bad : {-1L, 2L}) {
    const OpResult e = ExportLayout(lib, bad, dir.File("bad.pag"));
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.message, "Page layout could not be exported.");
    EXPECT_EQ(e.caption, "Error");
  }
  EXPECT_EQ(test::FileSize(dir.File("bad.pag")), -1);
  EXPECT_EQ(ExportLayout(lib, 0, dir.File("no such folder/a.pag")).message,
            "Page layout could not be exported.");
}

TEST_F(LayoutLibraryTest, ExportThenImportAppendsAByteIdenticalRecord) {
  for (const char* name : {"A", "B", "C"}) Add(name);
  auto original = std::make_unique<PageLayout>();
  ASSERT_TRUE(ReadLayout(lib, 1, *original));
  const std::string pag = dir.File("b.pag");
  ASSERT_TRUE(ExportLayout(lib, 1, pag).ok);

  const OpResult r = ImportLayout(lib, pag);
  EXPECT_TRUE(r.ok);
  EXPECT_FALSE(r.HasMessage());
  EXPECT_EQ(r.index, 3);
  auto imported = std::make_unique<PageLayout>();
  ASSERT_TRUE(ReadLayout(lib, 3, *imported));
  EXPECT_EQ(std::memcmp(imported.get(), original.get(), sizeof *original), 0);
  EXPECT_EQ(test::FileSize(lib), 4 * kRecord);
}

TEST_F(LayoutLibraryTest, ImportChecksMagicAndLengthButNotTheVersion) {
  Add("A");
  std::vector<char> file(28874, 0);
  std::memcpy(file.data(), "PAG", 3);
  std::memcpy(file.data() + 3, "\x01z?", 3);  // version bytes may hold anything
  auto layout = Named("Imported");
  std::memcpy(file.data() + 6, layout.get(), kRecord);
  const std::string pag = dir.File("x.pag");

  const auto refused = [&](const std::vector<char>& bytes) {
    test::WriteBytes(pag, bytes);
    const OpResult r = ImportLayout(lib, pag);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Page layout file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(r.caption, "Error");
    EXPECT_EQ(test::FileSize(lib), kRecord);  // the library is untouched
  };
  refused(std::vector<char>(file.begin(), file.end() - 1));  // 28,873 bytes
  refused(std::vector<char>(file.begin(), file.begin() + 2));
  refused(std::vector<char>(file.begin(), file.begin() + 5));
  refused({});
  std::vector<char> lower = file;
  lower[0] = 'p';
  refused(lower);

  test::WriteBytes(pag, file);
  OpResult r = ImportLayout(lib, pag);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.index, 1);
  EXPECT_EQ(LoadedName(lib, 1), "Imported");

  file.resize(30000, 'z');  // anything after the record is ignored
  test::WriteBytes(pag, file);
  EXPECT_EQ(ImportLayout(lib, pag).index, 2);

  r = ImportLayout(lib, dir.File("absent.pag"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Page layout could not be imported.");
  EXPECT_EQ(r.caption, "Error");
  EXPECT_EQ(test::FileSize(lib), 3 * kRecord);
}

TEST_F(LayoutLibraryTest, AnEmptyPageIsAValidRecord) {
  auto empty = Named("Blank");
  empty->objectCount = 0;
  ASSERT_TRUE(AppendLayout(lib, *empty).ok);
  PageLayout l;
  EXPECT_EQ(LoadLayout(lib, 0, l), LayoutSource::Library);
  EXPECT_EQ(l.layoutName.Get(), "Blank");
  EXPECT_TRUE(DrawnObjects(l).empty());  // the leftover slot 1 is never drawn
}

TEST_F(LayoutLibraryTest, NewPuzzlesCopyTheDefaultPageFromTheProgramDirectory) {
  AppPaths paths{dir.Path(), dir.Path()};
  auto puzzle = std::make_unique<PuzzleRecord>();
  std::memset(puzzle.get(), 0x33, sizeof *puzzle);
  EXPECT_EQ(CopyDefaultLayout(paths, 0, *puzzle), LayoutSource::BuiltIn);
  EXPECT_EQ(puzzle->pageLayout.layoutName.Get(), "New Page");
  EXPECT_EQ(puzzle->title.length, 0x33);  // only the layout is touched

  // Found whatever the letter case of the file name.
  const std::string lower = dir.File("qlfpage.dat");
  for (const char* name : {"First", "Second"}) ASSERT_TRUE(AppendLayout(lower, *Named(name)).ok);
  EXPECT_EQ(CopyDefaultLayout(paths, 1, *puzzle), LayoutSource::Library);
  EXPECT_EQ(puzzle->pageLayout.layoutName.Get(), "Second");
  EXPECT_EQ(std::memcmp(&puzzle->pageLayout, Named("Second").get(), kRecord), 0);
  CopyDefaultLayout(paths, 2, *puzzle);
  EXPECT_EQ(puzzle->pageLayout.layoutName.Get(), "First");
}

TEST(LayoutTables, PixelCountsOfDamagedSizesAreHeldInRange) {
  PageLayout l;
  std::memset(&l, 0, sizeof l);
  l.inches = 1;
  l.pageWidth = 1e300;
  l.pageHeight = std::nan("");
  ASSERT_TRUE(SetDesignZoom(l, kZoomLarge));
  EXPECT_EQ(l.pixelWidth, 32767);
  EXPECT_EQ(l.pixelHeight, 0);
  l.pageWidth = -5;
  l.pageHeight = 700;  // 67,200 pixels would wrap to a small number in 16 bits
  ASSERT_TRUE(SetDesignZoom(l, kZoomLarge));
  EXPECT_EQ(l.pixelWidth, 0);
  EXPECT_EQ(l.pixelHeight, 32767);
}

std::unique_ptr<PageLayout> Filled(char fill) {
  auto l = std::make_unique<PageLayout>();
  std::memset(l.get(), fill, sizeof *l);
  return l;
}

std::string Outcome(const OpResult& r) {
  return r.ok ? test::Done() : test::Refused();
}

class LayoutLibraryWriteFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(LayoutLibraryWriteFaults, FailWithoutATraceOrSucceedInPlace) {
  test::CheckWriteFault(
      {kLayoutLibraryName, sizeof(PageLayout),
       [](const std::string& path, char fill) {
         return Outcome(AppendLayout(path, *Filled(fill)));
       },
       [](const std::string& path, long index, char fill) {
         return Outcome(ReplaceLayout(path, index, *Filled(fill)));
       },
       [](const std::string& path, long index) { return Outcome(DeleteLayout(path, index)); }},
      GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, LayoutLibraryWriteFaults,
                         testing::ValuesIn(test::AllFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

class LayoutExportFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(LayoutExportFaults, NeverDestroyTheFileThatWasThere) {
  test::TempDir source;
  const std::string library = source.File(kLayoutLibraryName);
  ASSERT_TRUE(AppendLayout(library, *Named("Classic")).ok);
  test::ShareWithUnprivileged(source.Path());
  test::CheckReplaceFault(
      {"Classic.PAG",
       [&](const std::string& path) { return Outcome(ExportLayout(library, 0, path)); }},
      GetParam());
}

INSTANTIATE_TEST_SUITE_P(Export, LayoutExportFaults, testing::ValuesIn(test::WholeFileFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
