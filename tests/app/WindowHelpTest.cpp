// F1 in every window: the topic of that window, or nothing where F1 means something else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <set>

#include "support/Gallery.h"
#include "support/Seams.h"
#include "widgets/Help.h"
#include "widgets/HelpWindow.h"

namespace gw {
namespace {

TEST(WindowHelp, F1OpensTheTopicOfEveryWindowButWhereItTypesAccents) {
  // The editor types accented letters with F1; the notices, the file dialogs and the help itself
  // have no topic.
  const std::set<std::string> without = {
      "open-puzzle-group",    "tip-of-the-day",         "about", "user-manual-notice", "help",
      "word-list-editor-new", "word-list-editor-modify"};
  test::GalleryContext context(GW_BIN_DIR, GW_WORD_LIST);
  test::SetScale(1.0);
  HelpWindow collection(QStringLiteral(":/gallery-help"));
  ASSERT_TRUE(collection.Loaded());
  QObject owner;
  EnableHelpKey(&owner, context.Paths());
  // What F1 types into the editor is thrown away unasked when the window goes.
  test::ScriptedSeams seams;
  std::vector<std::string> opened;
  SetHelpHandler([&](const std::string& keyword) { opened.push_back(keyword); });
  for (const test::GalleryWindow& entry : test::AllWindows()) {
    SCOPED_TRACE(entry.name);
    std::unique_ptr<QWidget> window = entry.make(context);
    test::ShowAndSettle(window.get());
    window->activateWindow();
    QApplication::processEvents();
    opened.clear();
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
    QTest::keyClick(focus, Qt::Key_F1);
    if (without.count(entry.name)) {
      EXPECT_TRUE(opened.empty()) << (opened.empty() ? "" : opened.front());
    } else {
      EXPECT_EQ(opened.size(), 1u);
      for (const std::string& keyword : opened)
        EXPECT_TRUE(collection.OpenKeyword(keyword)) << keyword;
    }
  }
  SetHelpHandler({});
}

}  // namespace
}  // namespace gw
