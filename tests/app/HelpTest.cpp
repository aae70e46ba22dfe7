// Help from the main window, and the help window over the collection the build packs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QResource>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <filesystem>

#include "app/MainWindow.h"
#include "support/AppFixture.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/Help.h"
#include "widgets/HelpWindow.h"

namespace gw {
namespace {

// Every keyword a window opens help at; each must lead to a real page.
const char* const kProgramKeywords[] = {"Data Exchange via Internet", "Report Window",
                                        "WORD SEARCH OBJECTS", "Puzzle Book"};

TEST(Help, TheMainWindowOpensTheContentsAndTheDataExchangeTopic) {
  test::TempDir dir;
  const AppPaths paths(dir.Path(), dir.Path());
  test::ResetProgramWide(paths);
  test::ScriptedSeams seams;
  std::vector<std::string> opened;
  SetHelpHandler([&](const std::string& keyword) { opened.push_back(keyword); });
  {
    MainWindow win(paths);
    win.findChild<QAction*>("ContentsItem")->trigger();
    win.findChild<QAction*>("DataExchangeItem")->trigger();
    win.findChild<QToolButton*>("SpeedHelp")->click();
  }
  SetHelpHandler({});
  EXPECT_EQ(opened, (std::vector<std::string>{"", "Data Exchange via Internet", ""}));
  EXPECT_TRUE(seams.Texts().empty());
}

TEST(Help, AMissingOrDamagedCollectionIsReported) {
  test::TempDir dir;
  test::ScriptedSeams seams;
  ShowHelp(nullptr, AppPaths(dir.Path(), dir.Path()), "Report Window");
  EXPECT_EQ(seams.Single(),
            "The help file could not be located.  Please make sure the help file was installed.");
  seams.Clear();
  test::WriteText(dir.File("QUARL.HLP"), "not a help collection");
  ShowHelp(nullptr, AppPaths(dir.Path(), dir.Path()));
  EXPECT_EQ(seams.Single(),
            "The help file could not be located.  Please make sure the help file was installed.");
}

class HelpWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(QResource::registerResource(GW_HELP_FILE, "/t")); }
  static void TearDownTestSuite() { QResource::unregisterResource(GW_HELP_FILE, "/t"); }
};

TEST_F(HelpWindowTest, EveryKeywordTheProgramUsesOpensItsPage) {
  HelpWindow viewer(QStringLiteral(":/t"));
  ASSERT_TRUE(viewer.Loaded());
  viewer.OpenContents();
  EXPECT_EQ(viewer.Current(), "index.html");
  for (const char* keyword : kProgramKeywords) {
    EXPECT_TRUE(viewer.OpenKeyword(keyword)) << keyword;
    EXPECT_NE(viewer.Current(), "index.html") << keyword;
    EXPECT_GT(viewer.Page()->toPlainText().size(), 200) << keyword;
  }
  EXPECT_FALSE(viewer.OpenKeyword("no such topic"));
  auto* index = viewer.findChild<QListWidget*>("IndexList");
  for (int i = 0; i < index->count(); ++i)
    EXPECT_TRUE(index->item(i)->isHidden()) << index->item(i)->text().toStdString();
}

TEST_F(HelpWindowTest, EveryPictureAndLinkOfThePagesIsInTheCollection) {
  static const QRegularExpression target(QStringLiteral("(?:src|href)=\"(?![a-z]+:)([^\"#]+)"));
  const QStringList pages = QDir(QStringLiteral(":/t")).entryList({QStringLiteral("*.html")});
  ASSERT_GT(pages.size(), 10);
  for (const QString& page : pages) {
    QFile file(QStringLiteral(":/t/") + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    for (auto it = target.globalMatch(html); it.hasNext();) {
      const QString name = it.next().captured(1);
      EXPECT_TRUE(QFile::exists(QStringLiteral(":/t/") + name))
          << page.toStdString() << " names " << name.toStdString();
    }
  }
}

TEST_F(HelpWindowTest, EnterInTheIndexOpensTheFirstKeywordTheFilterLeaves) {
  HelpWindow viewer(QStringLiteral(":/t"));
  viewer.OpenContents();
  auto* filter = viewer.findChild<QLineEdit*>("IndexFilter");
  filter->setText(QStringLiteral("zoo"));
  QTest::keyClick(filter, Qt::Key_Return);
  EXPECT_EQ(viewer.Current().toStdString(), "preview.html");  // "Zoom", not the first keyword
}

TEST(Help, OneHelpWindowServesEveryRequest) {
  test::TempDir dir;
  std::filesystem::copy_file(GW_HELP_FILE, dir.File("QUARL.HLP"));
  const AppPaths paths(dir.Path(), dir.Path());
  test::ScriptedSeams seams;
  QWidget first, second;
  auto viewers = [] {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
      n += qobject_cast<HelpWindow*>(w) && w->isVisible() ? 1 : 0;
    for (QWidget* w : QApplication::allWidgets())
      n += qobject_cast<HelpWindow*>(w) && !w->isWindow() ? 100 : 0;
    return n;
  };
  ShowHelp(&first, paths);
  ShowHelp(&first, paths, "Report Window");
  ShowHelp(&second, paths, "Preview");  // from another window: the same help, over that one
  EXPECT_EQ(viewers(), 1);
  HelpWindow* viewer = second.findChild<HelpWindow*>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->Current().toStdString(), "preview.html");
  EXPECT_TRUE(seams.Texts().empty());
}

TEST_F(HelpWindowTest, SearchListsTheTopicsHoldingEveryWord) {
  HelpWindow viewer(QStringLiteral(":/t"));
  viewer.Search(QStringLiteral("answer KEY"));
  auto* results = viewer.findChild<QListWidget*>("SearchResults");
  ASSERT_GT(results->count(), 0);
  emit results->itemActivated(results->item(0));
  EXPECT_TRUE(
      viewer.Page()->toPlainText().contains(QStringLiteral("answer key"), Qt::CaseInsensitive));
  // A page's keywords count as its words.
  viewer.Search(QStringLiteral("user dictionary"));
  ASSERT_GT(results->count(), 0);
  EXPECT_EQ(results->item(0)->text(), "Spelling and thesaurus");
  viewer.Search(QStringLiteral("answer xylophonic"));
  ASSERT_EQ(results->count(), 1);
  EXPECT_EQ(results->item(0)->text(), "(no topic holds every word)");
}

}  // namespace
}  // namespace gw
