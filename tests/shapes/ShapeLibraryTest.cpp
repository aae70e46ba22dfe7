// The shape library file and the shape export file, byte by byte.
#include <gtest/gtest.h>

#include <cstring>

#include "shapes/ShapeLibrary.h"
#include "support/Faults.h"
#include "support/TempDir.h"

namespace gw {
namespace {

ShapeRecord Shape(const std::string& name, int width, int height) {
  ShapeRecord s;
  std::memset(&s, 0, sizeof s);
  s.shapeName.Set(name);
  s.shapeWidth = static_cast<int16_t>(width);
  s.shapeHeight = static_cast<int16_t>(height);
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c) s.SetCell(r, c, (r + c) % 3 != 0);
  return s;
}

std::vector<char> Bytes(const ShapeRecord& s) {
  const char* p = reinterpret_cast<const char*>(&s);
  return std::vector<char>(p, p + sizeof s);
}

std::vector<char> ExportBytes(const char* magic, const char* version, const ShapeRecord& s) {
  std::vector<char> bytes(magic, magic + 3);
  bytes.insert(bytes.end(), version, version + 3);
  const std::vector<char> record = Bytes(s);
  bytes.insert(bytes.end(), record.begin(), record.end());
  return bytes;
}

class ShapeLibraryTest : public testing::Test {
 protected:
  std::string Library() const { return dir_.File("QLFLAY.DAT"); }
  void Add(const ShapeRecord& s) { ASSERT_TRUE(AppendShape(Library(), s).has_value()); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    const std::optional<std::vector<ShapeEntry>> entries = ListShapes(Library());
    if (entries)
      for (const ShapeEntry& e : *entries) names.push_back(e.text);
    return names;
  }
  test::TempDir dir_;
};

TEST_F(ShapeLibraryTest, ExportFileIsMagicVersionAndTheRecordAsStored) {
  ShapeRecord s = Shape("Kite", 17, 23);
  s.SetCell(23, 17, true);
  const std::string file = dir_.File("kite.lay");
  const OpResult r = ExportShape(file, s);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.message, "Puzzle Shape Exported!");
  EXPECT_EQ(r.caption, "OK");

  const std::vector<char> bytes = test::ReadBytes(file);
  ASSERT_EQ(bytes.size(), 2561u);
  EXPECT_EQ(std::string(bytes.data(), 6), "LAY1.0");
  EXPECT_EQ(bytes[6], 4);  // name length byte
  EXPECT_EQ(std::string(bytes.data() + 7, 4), "Kite");
  EXPECT_EQ(bytes[6 + 51], 17);  // width, little-endian
  EXPECT_EQ(bytes[6 + 52], 0);
  EXPECT_EQ(bytes[6 + 53], 23);                // height
  EXPECT_EQ(bytes[6 + 55 + 22 * 50 + 16], 1);  // cell (23, 17)
  EXPECT_EQ(bytes[6 + 55 + 0 * 50 + 1], 0);    // cell (1, 2): (1 + 2) % 3 == 0
  EXPECT_EQ(std::vector<char>(bytes.begin() + 6, bytes.end()), Bytes(s));

  EXPECT_FALSE(ExportShape(dir_.File("no/such/folder.lay"), s).ok);
  EXPECT_EQ(ExportShape(dir_.File("no/such/folder.lay"), s).message,
            "Shape could not be exported.");
}

TEST_F(ShapeLibraryTest, ImportChecksMagicAndLengthOnly) {
  const ShapeRecord kite = Shape("Kite", 9, 7);
  const std::string corrupt = "Puzzle shape file is corrupt or incompatible.  Import aborted.";
  ShapeRecord current = Shape("Before", 5, 5);
  const std::vector<char> before = Bytes(current);

  auto import = [&](const std::vector<char>& bytes) {
    test::WriteBytes(dir_.File("in.lay"), bytes);
    return ReadShapeExport(dir_.File("in.lay"), current);
  };

  std::vector<char> good = ExportBytes("LAY", "1.0", kite);
  std::vector<char> shortByOne(good.begin(), good.end() - 1);
  OpResult r = import(shortByOne);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, corrupt);
  EXPECT_EQ(r.caption, "Error");
  EXPECT_EQ(import(ExportBytes("lay", "1.0", kite)).message, corrupt);
  EXPECT_EQ(import(ExportBytes("LA\0", "1.0", kite)).message, corrupt);
  EXPECT_EQ(import({'L', 'A'}).message, corrupt);
  EXPECT_EQ(Bytes(current), before) << "a refused file leaves the shape alone";

  EXPECT_EQ(ReadShapeExport(dir_.File("missing.lay"), current).message,
            "Puzzle shape could not be imported.");

  // The version is not looked at, and bytes after the record are ignored.
  std::vector<char> longer = ExportBytes("LAY", "\x7f\0z", kite);
  longer.insert(longer.end(), {'x', 'y', 'z'});
  EXPECT_TRUE(import(longer).ok);
  EXPECT_EQ(Bytes(current), Bytes(kite));
}

TEST_F(ShapeLibraryTest, ImportAppendsEvenDuplicatesAndKeepsTheShapeWhenTheLibraryFails) {
  Add(Shape("Dot", 5, 5));
  const ShapeRecord kite = Shape("Kite", 9, 7);
  test::WriteBytes(dir_.File("kite.lay"), ExportBytes("LAY", "1.0", kite));
  ShapeRecord current = Shape("Before", 5, 5);
  long index = -1;
  ASSERT_TRUE(ImportShape(dir_.File("kite.lay"), Library(), current, index).ok);
  EXPECT_EQ(index, 1);
  ASSERT_TRUE(ImportShape(dir_.File("kite.lay"), Library(), current, index).ok);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(Names(), (std::vector<std::string>{"5x5 Dot", "9x7 Kite", "9x7 Kite"}));

  current = Shape("Before", 5, 5);
  const OpResult r =
      ImportShape(dir_.File("kite.lay"), dir_.File("gone/QLFLAY.DAT"), current, index);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unable to add shape.");
  EXPECT_EQ(r.caption, "Disk Error");
  EXPECT_EQ(Bytes(current), Bytes(kite));
}

TEST_F(ShapeLibraryTest, ListingTagsRecordsInFileOrderAndSurvivesDamage) {
  EXPECT_FALSE(ListShapes(Library()).has_value());
  Add(Shape("Dot", 5, 5));
  Add(Shape("Star", 10, 10));
  // A damaged record: sizes out of range and a length byte past the name's capacity.
  ShapeRecord bad = Shape("x", 5, 5);
  bad.shapeWidth = 0;
  bad.shapeHeight = 999;
  bad.shapeName.length = 200;
  std::memset(bad.shapeName.data, 'N', 50);
  Add(bad);
  std::vector<char> bytes = test::ReadBytes(Library());
  bytes.insert(bytes.end(), 100, 'p');  // a trailing partial record
  test::WriteBytes(Library(), bytes);

  const std::vector<ShapeEntry> entries = ListShapes(Library()).value();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].text, "5x5 Dot");
  EXPECT_EQ(entries[1].text, "10x10 Star");
  EXPECT_EQ(entries[2].text, "1x50 " + std::string(50, 'N'));
  EXPECT_EQ(entries[2].tag, 2);

  // Appending writes over the fragment, so the file is whole records again.
  EXPECT_EQ(AppendShape(Library(), Shape("Kite", 9, 7)), 3);
  EXPECT_EQ(test::FileSize(Library()), 4 * 2555);
}

TEST_F(ShapeLibraryTest, ReplaceAndDeleteKeepTheFileDense) {
  for (const char* name : {"A", "B", "C"}) Add(Shape(name, 6, 6));
  EXPECT_EQ(ReplaceShape(Library(), 1, Shape("B2", 7, 7)), 1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"6x6 A", "7x7 B2", "6x6 C"}));
  EXPECT_EQ(ReplaceShape(Library(), 9, Shape("D", 8, 8)), 3) << "past the end: appended";

  ASSERT_TRUE(DeleteShape(Library(), 0).ok);
  EXPECT_EQ(Names(), (std::vector<std::string>{"7x7 B2", "6x6 C", "8x8 D"}));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(DeleteShape(Library(), 0).ok);
  EXPECT_EQ(test::FileSize(Library()), 0) << "the last delete leaves an empty file";

  const OpResult r = DeleteShape(dir_.File("missing.dat"), 0);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Unable to delete puzzle shape.");
  EXPECT_EQ(r.caption, "Disk Error");
}

ShapeRecord Filled(char fill) {
  ShapeRecord s;
  std::memset(&s, fill, sizeof s);
  return s;
}

std::string Outcome(bool ok) {
  return ok ? test::Done() : test::Refused();
}

class ShapeLibraryWriteFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(ShapeLibraryWriteFaults, FailWithoutATraceOrSucceedInPlace) {
  test::CheckWriteFault(
      {kShapeLibraryName, sizeof(ShapeRecord),
       [](const std::string& path, char fill) {
         return Outcome(AppendShape(path, Filled(fill)).has_value());
       },
       [](const std::string& path, long index, char fill) {
         return Outcome(ReplaceShape(path, index, Filled(fill)).has_value());
       },
       [](const std::string& path, long index) { return Outcome(DeleteShape(path, index).ok); }},
      GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, ShapeLibraryWriteFaults,
                         testing::ValuesIn(test::AllFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

class ShapeExportFaults : public testing::TestWithParam<test::Fault> {};

TEST_P(ShapeExportFaults, NeverDestroyTheFileThatWasThere) {
  test::CheckReplaceFault({"Heart.LAY",
                           [](const std::string& path) {
                             return Outcome(ExportShape(path, Shape("Heart", 12, 10)).ok);
                           }},
                          GetParam());
}

INSTANTIATE_TEST_SUITE_P(Export, ShapeExportFaults, testing::ValuesIn(test::WholeFileFaults()),
                         [](const auto& info) { return test::FaultName(info.param); });

}  // namespace
}  // namespace gw
