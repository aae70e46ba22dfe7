// Moving puzzles between groups, the single-puzzle import and the old-version conversion.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "base/IoError.h"
#include "storage/StoredKinds.h"
#include "storage/GroupExchange.h"
#include "storage/OldRecords.h"
#include "storage/PuzzleGroup.h"
#include "storage/ShapeRecord.h"
#include "support/Bytes.h"
#include "support/OldFiles.h"
#include "support/TempDir.h"

namespace gw {
namespace {

namespace fs = std::filesystem;

class GroupExchangeTest : public testing::Test {
 protected:
  // A puzzle whose every byte says which one it is, so a copy that is not whole shows.
  void Add(const std::string& group, const std::string& title, char fill) {
    auto p = std::make_unique<PuzzleRecord>();
    std::memset(p.get(), fill, sizeof *p);
    p->category.Set("Cat " + std::string(1, fill));
    p->title.Set(title);
    ASSERT_TRUE(AppendPuzzle(group, *p));
  }
  std::vector<char> Record(const std::string& group, int n) {
    std::vector<char> bytes(sizeof(PuzzleRecord));
    EXPECT_TRUE(ReadPuzzle(group, n, *reinterpret_cast<PuzzleRecord*>(bytes.data())));
    return bytes;
  }
  std::vector<std::string> Titles(const std::string& group) {
    std::vector<std::string> titles;
    for (const auto& t : ListGroup(group).titles) titles.push_back(t.title);
    return titles;
  }
  static PageLayout Page(const char* name) {
    PageLayout layout;
    std::memset(&layout, 0, sizeof layout);
    layout.layoutName.Set(name);
    return layout;
  }

  test::TempDir dir_;
  std::string source_ = dir_.File("Autumn term.QL3");
  std::string group_ = dir_.File("Year 4.QL3");
};

TEST_F(GroupExchangeTest, ImportAppendsWholeRecordsInTheOrderGiven) {
  Add(source_, "Cats", 'c');
  Add(source_, "Apples", 'a');
  Add(source_, "Bees", 'b');
  Add(group_, "Mine", 'm');
  const std::vector<char> mine = Record(group_, 0);

  ASSERT_TRUE(ImportPuzzles(source_, {1, 2, 0}, group_).ok);
  EXPECT_EQ(Titles(group_), (std::vector<std::string>{"Mine", "Apples", "Bees", "Cats"}));
  EXPECT_EQ(Record(group_, 0), mine);
  EXPECT_EQ(Record(group_, 1), Record(source_, 1));
  EXPECT_EQ(Record(group_, 3), Record(source_, 0));

  // A missing group is created by the import.
  const std::string fresh = dir_.File("fresh.QL3");
  ASSERT_TRUE(ImportPuzzles(source_, {2}, fresh).ok);
  EXPECT_EQ(test::ReadBytes(fresh), Record(source_, 2));
}

TEST_F(GroupExchangeTest, AFailedImportLeavesTheGroupAsItWas) {
  Add(source_, "Cats", 'c');
  Add(group_, "Mine", 'm');
  const std::vector<char> before = test::ReadBytes(group_);

  // Record 1 went since the list was made: nothing of the batch lands.
  EXPECT_THROW(ImportPuzzles(source_, {0, 1}, group_), IoError);
  EXPECT_EQ(test::ReadBytes(group_), before);

  const OpResult noSource = ImportPuzzles(dir_.File("gone.QL3"), {0}, group_);
  EXPECT_FALSE(noSource.ok);
  EXPECT_EQ(noSource.message, "Unable to import puzzles.");
  EXPECT_EQ(noSource.caption, "Error");
  EXPECT_EQ(test::ReadBytes(group_), before);

  EXPECT_EQ(ImportPuzzles(source_, {0}, dir_.File("no/such/folder.QL3")).message,
            "Unable to import puzzles.");
  // Only the group itself is left in the folder: no half-written sibling.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 2);
}

TEST_F(GroupExchangeTest, ExportReplacesTheTargetOrLeavesItAlone) {
  Add(group_, "Zebra", 'z');
  Add(group_, "Ant", 'a');
  const std::string target = dir_.File("shared.QL3");
  Add(target, "Old 1", '1');
  Add(target, "Old 2", '2');
  Add(target, "Old 3", '3');

  ASSERT_TRUE(ExportPuzzles(group_, {1, 0}, target).ok);
  EXPECT_EQ(Titles(target), (std::vector<std::string>{"Ant", "Zebra"}));
  EXPECT_EQ(Record(target, 0), Record(group_, 1));

  const std::vector<char> exported = test::ReadBytes(target);
  EXPECT_THROW(ExportPuzzles(group_, {0, 7}, target), IoError);
  EXPECT_EQ(test::ReadBytes(target), exported);
  const OpResult noGroup = ExportPuzzles(dir_.File("gone.QL3"), {0}, target);
  EXPECT_EQ(noGroup.message, "Unable to export puzzles.");
  EXPECT_EQ(test::ReadBytes(target), exported);
  EXPECT_EQ(ExportPuzzles(group_, {0}, dir_.File("no/such/folder.QL3")).message,
            "Unable to export puzzles.");
}

TEST_F(GroupExchangeTest, TheProgramsOwnFilesAreKnownByNameOrContentAndNoExportReplacesThem) {
  Add(group_, "Mine", 'm');
  auto puzzle = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*puzzle);
  ASSERT_TRUE(AppendPuzzle(dir_.File("renamed group"), *puzzle));
  PageLayout layout = Page("Worksheet");
  layout.objectCount = 3;
  test::WriteBytes(dir_.File("layouts copy"),
                   std::vector<char>(test::Bytes(&layout), test::Bytes(&layout) + sizeof layout));
  ShapeRecord shape;
  MakeNewShape(shape);
  test::WriteBytes(dir_.File("shapes copy"),
                   std::vector<char>(test::Bytes(&shape), test::Bytes(&shape) + sizeof shape));
  const auto exportFile = [](const char* header, const void* record, size_t size) {
    std::vector<char> bytes(6 + size);
    std::memcpy(bytes.data(), header, 6);
    std::memcpy(bytes.data() + 6, record, size);
    return bytes;
  };
  test::WriteBytes(dir_.File("sheet.pag"), exportFile("PAG1.0", &layout, sizeof layout));
  test::WriteBytes(dir_.File("star.lay"), exportFile("LAY1.0", &shape, sizeof shape));
  test::WriteText(dir_.File("QlfPage.dat"), "");
  test::WriteText(dir_.File("qlflay.DAT"), "");
  fs::create_symlink("Year 4.QL3", dir_.File("page.pdf"));
  // Texts never pass for records, even long ones or one starting with a signature's letters.
  test::WriteText(dir_.File("words.txt"), std::string(200000, 'A'));
  test::WriteText(dir_.File("layer.txt"), "LAYER 1.0\r\n" + std::string(5000, 'x'));
  test::WriteText(dir_.File("short.QL3"), "not a group");

  const struct {
    const char* name;
    StoredKind kind;
  } files[] = {{"Year 4.QL3", StoredKind::PuzzleGroup},    {"renamed group", StoredKind::PuzzleGroup},
               {"page.pdf", StoredKind::PuzzleGroup},      {"layouts copy", StoredKind::LayoutLibrary},
               {"QlfPage.dat", StoredKind::LayoutLibrary}, {"shapes copy", StoredKind::ShapeLibrary},
               {"qlflay.DAT", StoredKind::ShapeLibrary},   {"sheet.pag", StoredKind::LayoutExport},
               {"star.lay", StoredKind::ShapeExport},      {"words.txt", StoredKind::Other},
               {"layer.txt", StoredKind::Other},           {"short.QL3", StoredKind::Other},
               {"missing.QL3", StoredKind::Other},         {"", StoredKind::Other}};
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    EXPECT_EQ(StoredKindOf(dir_.File(f.name)), f.kind);
  }

  // A group export replaces another group, but never its own group (a link to it included) nor
  // a file of another kind; those are left byte for byte.
  Add(source_, "Theirs", 't');
  EXPECT_TRUE(ExportPuzzles(group_, {0}, source_).ok);
  for (const char* name : {"Year 4.QL3", "page.pdf", "layouts copy", "qlflay.DAT", "sheet.pag"}) {
    SCOPED_TRACE(name);
    const std::vector<char> before = test::ReadBytes(dir_.File(name));
    const OpResult refused = ExportPuzzles(group_, {0}, dir_.File(name));
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.caption, "Error");
    EXPECT_EQ(test::ReadBytes(dir_.File(name)), before);
  }
  EXPECT_EQ(RefusedExportTarget(dir_.File("page.pdf"), StoredKind::Other, source_),
            dir_.File("page.pdf") +
                " holds a puzzle group; nothing was written over it.  Choose another file.");
  EXPECT_EQ(RefusedExportTarget(dir_.File("words.txt"), StoredKind::Other, dir_.File("WORDS.TXT")),
            dir_.File("words.txt") +
                " is the file being exported from; nothing was written over it.  Choose another "
                "file.");
  EXPECT_EQ(RefusedExportTarget(dir_.File("sheet.pag"), StoredKind::LayoutExport), std::nullopt);
}

TEST_F(GroupExchangeTest, ImportKindAndTheSameGroupInAnySpelling) {
  EXPECT_EQ(ImportKindOf("/a/b/Year 4.ql3"), ImportKind::Group);
  EXPECT_EQ(ImportKindOf("old.Qlx"), ImportKind::SinglePuzzle);
  EXPECT_EQ(ImportKindOf("notes.txt"), ImportKind::NotValid);
  EXPECT_EQ(ImportKindOf("QL3"), ImportKind::NotValid);
  EXPECT_EQ(ImportKindOf(""), ImportKind::NotValid);

  Add(group_, "Mine", 'm');
  EXPECT_TRUE(SameFile(group_, dir_.File("YEAR 4.ql3")));
  EXPECT_TRUE(SameFile(group_, dir_.Path() + "/./sub/../Year 4.QL3"));
  fs::create_symlink(group_, dir_.File("link.QL3"));
  EXPECT_TRUE(SameFile(dir_.File("link.QL3"), group_));
  EXPECT_FALSE(SameFile(group_, source_));
}

TEST_F(GroupExchangeTest, ASinglePuzzleThatCannotBeSavedStaysTheCurrentPuzzle) {
  const std::string qlx = dir_.File("moon.QLX");
  auto current = std::make_unique<PuzzleRecord>();
  InitNewPuzzle(*current);
  current->title.Set("Untouched");
  test::WriteBytes(qlx, {'Q', 'L', 'X'});
  EXPECT_EQ(ImportSinglePuzzle(qlx, Page("Default"), group_, *current).message,
            "Puzzle file is corrupt or incompatible.  Import aborted.");
  EXPECT_EQ(current->title.Get(), "Untouched");

  test::WriteBytes(qlx, test::QlxBytes(test::OldPuzzleBytes({"Moon", 10, {"CRATER"}, 1})));
  EXPECT_EQ(ImportSinglePuzzle(qlx, Page("Default"), dir_.File("no/such/g.QL3"), *current).message,
            "Unable to save puzzle.");
  EXPECT_EQ(current->title.Get(), "Moon");
}

// ---- Conversion of the previous version's files ----------------------------------------------

class OldConversionTest : public GroupExchangeTest {
 protected:
  void SetUp() override {
    fs::create_directory(dir_.File("start"));
    fs::create_directory(dir_.File("program"));
  }
  std::string Start(const std::string& name) const { return dir_.File("start/" + name); }
  std::string Program(const std::string& name) const { return dir_.File("program/" + name); }
  OldDataTargets Targets() const { return {Program("OLDPUZZ.QL3"), Program("QLFLAY.DAT")}; }
};

TEST_F(OldConversionTest, PuzzlesBecomeAGroupAndTheOldFileGoes) {
  const auto titles = test::WriteOldFileSet(dir_.File("start"), 3, false);
  const std::string old = Start("QLFUPUZZ.DAT");
  const std::vector<char> oldBytes = test::ReadBytes(old);
  Add(Program("OLDPUZZ.QL3"), "Already here", 'x');  // appended after what is there

  const ConversionOutcome c = ConvertOldPuzzleFile(old, Program("OLDPUZZ.QL3"), Page("Std"));
  ASSERT_TRUE(c.result.ok);
  EXPECT_EQ(c.result.message,
            "A new puzzle group named \"OLDPUZZ.QL3\" has been created.  It is in " +
                dir_.File("program") + ".");
  EXPECT_EQ(c.result.caption, "Ok");
  EXPECT_FALSE(c.note.HasMessage());
  EXPECT_EQ(c.written, 3);
  EXPECT_FALSE(fs::exists(old));
  EXPECT_TRUE(c.keptAs.empty());

  std::vector<std::string> expected{"Already here"};
  for (const std::string& t : titles) expected.push_back(t.substr(0, 35));
  EXPECT_EQ(Titles(Program("OLDPUZZ.QL3")), expected);
  for (int k = 0; k < 3; ++k) {
    auto want = std::make_unique<PuzzleRecord>();
    OldPuzzleRecord oldRecord;
    std::memcpy(&oldRecord, oldBytes.data() + k * sizeof oldRecord, sizeof oldRecord);
    ConvertOldPuzzle(oldRecord, Page("Std"), *want);
    EXPECT_EQ(
        Record(Program("OLDPUZZ.QL3"), k + 1),
        std::vector<char>(test::Bytes(want.get()), test::Bytes(want.get()) + sizeof(PuzzleRecord)));
  }
}

TEST_F(OldConversionTest, AnOldFileWithoutPuzzlesMakesNoGroupAndIsNeverDeleted) {
  test::WriteText(Start("QLFUPUZZ.DAT"), "");
  const ConversionOutcome c =
      ConvertOldPuzzleFile(Start("QLFUPUZZ.DAT"), Program("OLDPUZZ.QL3"), Page("Std"));
  ASSERT_TRUE(c.result.ok);
  EXPECT_EQ(c.result.message, "There were no puzzles to convert in \"QLFUPUZZ.DAT\".");
  EXPECT_EQ(c.written, 0);
  EXPECT_TRUE(fs::exists(Start("QLFUPUZZ.DAT")));
  EXPECT_FALSE(fs::exists(Program("OLDPUZZ.QL3")));

  // Damaged records only: still no group, and the file is kept under its backup name.
  test::WriteBytes(Start("QLFUPUZZ.DAT"), {'x', 'y'});
  const ConversionOutcome d =
      ConvertOldPuzzleFile(Start("QLFUPUZZ.DAT"), Program("OLDPUZZ.QL3"), Page("Std"));
  EXPECT_EQ(d.result.message, "There were no puzzles to convert in \"QLFUPUZZ.DAT\".");
  EXPECT_EQ(d.skipped, 1);
  EXPECT_FALSE(fs::exists(Program("OLDPUZZ.QL3")));
  EXPECT_EQ(test::ReadBytes(Start("QLFUPUZZ.BAK")), (std::vector<char>{'x', 'y'}));
}

TEST_F(OldConversionTest, DamagedPuzzlesAreLeftOutAndTheOldFileIsKept) {
  test::WriteOldFileSet(dir_.File("start"), 2, true);
  const std::string old = Start("QLFUPUZZ.DAT");
  const std::vector<char> oldBytes = test::ReadBytes(old);
  test::WriteBytes(Start("QLFUPUZZ.BAK"), {'k'});  // a backup of an earlier run stays

  const ConversionOutcome c = ConvertOldPuzzleFile(old, Program("OLDPUZZ.QL3"), Page("Std"));
  ASSERT_TRUE(c.result.ok);
  EXPECT_EQ(c.written, 2);
  EXPECT_EQ(c.skipped, 1);
  EXPECT_EQ(ListGroup(Program("OLDPUZZ.QL3")).titles.size(), 2u);
  EXPECT_EQ(c.note.message,
            "1 damaged puzzle could not be converted.  The previous version's file was kept as "
            "\"QLFUPUZZ-2.BAK\".");
  EXPECT_EQ(c.note.caption, "Notice");
  EXPECT_FALSE(fs::exists(old));
  EXPECT_EQ(test::ReadBytes(Start("QLFUPUZZ-2.BAK")), oldBytes);
  EXPECT_EQ(test::ReadBytes(Start("QLFUPUZZ.BAK")), std::vector<char>{'k'});
}

TEST_F(OldConversionTest, AFailedWriteKeepsTheOldFileAndARetryNeverDoublesThePuzzles) {
  test::WriteOldFileSet(dir_.File("start"), 3, false);
  const std::string old = Start("QLFUPUZZ.DAT");
  const std::vector<char> oldBytes = test::ReadBytes(old);

  const ConversionOutcome failed =
      ConvertOldPuzzleFile(old, dir_.File("missing/OLDPUZZ.QL3"), Page("Std"));
  EXPECT_FALSE(failed.result.ok);
  EXPECT_EQ(failed.result.message, "Unable to save puzzles.");
  EXPECT_EQ(test::ReadBytes(old), oldBytes);

  EXPECT_EQ(ConvertOldPuzzleFile(Start("nothing.DAT"), Targets().group, Page("Std")).result.message,
            "Puzzles could not be imported.");

  // Stopped after the write, before the old file went: the next Yes only finishes the job,
  // even when the default page changed in between.
  ASSERT_TRUE(ConvertOldPuzzleFile(old, Targets().group, Page("Std")).result.ok);
  const std::vector<char> converted = test::ReadBytes(Targets().group);
  test::WriteBytes(old, oldBytes);
  const ConversionOutcome again = ConvertOldPuzzleFile(old, Targets().group, Page("Other"));
  EXPECT_TRUE(again.result.ok);
  EXPECT_TRUE(again.alreadyThere);
  EXPECT_EQ(test::ReadBytes(Targets().group), converted);
  EXPECT_FALSE(fs::exists(old));

  // The same file converted into a group that has moved on is converted again.
  Add(Targets().group, "Newer", 'n');
  test::WriteBytes(old, oldBytes);
  EXPECT_FALSE(ConvertOldPuzzleFile(old, Targets().group, Page("Std")).alreadyThere);
  EXPECT_EQ(ListGroup(Targets().group).titles.size(), 7u);
}

TEST_F(OldConversionTest, ShapesAreAddedUnchangedAfterTheLibrary) {
  const std::vector<char> first = test::ShapeBytes("Mine", {"#####", "#####"});
  test::WriteBytes(Program("QLFLAY.DAT"), first);
  std::vector<char> broken = test::ShapeBytes("Broken", {"#####"});
  test::PutI16(broken, 53, 0);
  const std::vector<char> a = test::ShapeBytes("Old A", {"#####", ".###."});
  const std::vector<char> b = test::ShapeBytes("Old B", {"..#..", "#####"});
  test::WriteBytes(Start("qlfulay.dat"), test::Concat({a, broken, b}));

  const OldDataFiles found = FindOldData(dir_.File("start"));
  EXPECT_TRUE(found.puzzles.empty());
  ASSERT_EQ(found.shapes, Start("qlfulay.dat"));
  const ConversionOutcome c = AddOldShapeFile(found.shapes, Program("QLFLAY.DAT"));
  EXPECT_EQ(c.result.message, "Puzzle shapes have been added.");
  EXPECT_EQ(c.result.caption, "Ok");
  EXPECT_EQ(test::ReadBytes(Program("QLFLAY.DAT")), test::Concat({first, a, b}));
  EXPECT_EQ(c.note.message,
            "1 damaged shape could not be added.  The previous version's file was kept as "
            "\"qlfulay.BAK\".");
  EXPECT_FALSE(fs::exists(found.shapes));

  test::WriteBytes(Start("QLFULAY.DAT"), a);
  EXPECT_EQ(AddOldShapeFile(Start("QLFULAY.DAT"), dir_.File("missing/QLFLAY.DAT")).result.message,
            "Unable to add shapes.");
  EXPECT_TRUE(fs::exists(Start("QLFULAY.DAT")));
}

TEST_F(OldConversionTest, APuzzleFailureEndsTheOfferBeforeTheShapeQuestion) {
  test::WriteOldFileSet(dir_.File("start"), 2, false);
  std::vector<std::string> asked, told;
  const OldDataSummary s = OfferOldDataConversion(
      FindOldData(dir_.File("start")), {dir_.File("missing/OLDPUZZ.QL3"), Targets().shapeLibrary},
      Page("P"),
      [&](const std::string& text, const std::string&) {
        asked.push_back(text);
        return true;
      },
      [&](const OpResult& r) { told.push_back(r.message); });
  EXPECT_EQ(asked.size(), 1u);
  EXPECT_EQ(told, (std::vector<std::string>{"Unable to save puzzles."}));
  EXPECT_FALSE(s.shapes);
  EXPECT_TRUE(fs::exists(Start("QLFUPUZZ.DAT")) && fs::exists(Start("QLFULAY.DAT")));
}

}  // namespace
}  // namespace gw
