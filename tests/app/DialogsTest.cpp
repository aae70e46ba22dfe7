// Tip of the Day, the user manual notice and the single-instance lock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QTimer>
#include <set>

#include "app/SingleInstance.h"
#include "app/TipOfTheDayDialog.h"
#include "app/UserManualDialog.h"
#include "base/Random.h"
#include "base/Settings.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "widgets/Choosers.h"

namespace gw {
namespace {

TEST(TipOfDay, ThirtyTwoDistinctShortTips) {
  std::set<std::string> distinct;
  for (const char* tip : TipOfTheDayDialog::Tips()) {
    EXPECT_LE(std::string(tip).size(), 180u) << tip;
    EXPECT_GT(std::string(tip).size(), 20u);
    distinct.insert(tip);
  }
  EXPECT_EQ(distinct.size(), 32u);
}

TEST(TipOfDay, NextWrapsAndCloseStoresTheCheckBox) {
  AppSettings().showTips = true;
  GlobalRandom().Seed(1);
  TipOfTheDayDialog tips;
  EXPECT_EQ(tips.windowTitle().toStdString(), "Tip of the Day");
  EXPECT_TRUE(tips.findChild<QCheckBox*>("ShowTips")->isChecked());
  while (tips.CurrentTip() != 31) tips.NextTipClick();
  tips.NextTipClick();
  EXPECT_EQ(tips.CurrentTip(), 0);
  EXPECT_EQ(tips.findChild<QLabel*>("TipText")->text().toStdString(), TipOfTheDayDialog::Tips()[0]);
  tips.findChild<QCheckBox*>("ShowTips")->setChecked(false);
  tips.accept();
  EXPECT_FALSE(AppSettings().showTips);
}

// Finishes the embedded font chooser as Enter or Escape in its fields would; an outer dialog left
// open afterwards is cancelled so that a fault fails the test instead of hanging it.
void FinishEmbeddedFontDialog(bool accept) {
  QTimer::singleShot(0, [accept] {
    QDialog* outer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->findChild<QFontDialog*>()) outer = static_cast<QDialog*>(w);
    if (!outer) return FinishEmbeddedFontDialog(accept);  // not shown yet
    auto* fonts = outer->findChild<QFontDialog*>();
    fonts->setCurrentFont(QFont(QStringLiteral("Liberation Serif")));
    accept ? fonts->accept() : fonts->reject();
    QTimer::singleShot(0, outer, [outer] {
      if (outer->isVisible()) outer->reject();
    });
  });
}

TEST(FontChooser, EnterOrEscapeInTheFontFieldsAnswerForTheWholeDialog) {
  const FontChoice start{QFont(QStringLiteral("Liberation Sans")), QColor(255, 0, 0)};
  FinishEmbeddedFontDialog(true);
  const std::optional<FontChoice> chosen = ChooseFont(nullptr, start);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->font.family().toStdString(), "Liberation Serif");
  EXPECT_EQ(chosen->color, QColor(255, 0, 0));

  FinishEmbeddedFontDialog(false);
  EXPECT_FALSE(ChooseFont(nullptr, start).has_value());
}

TEST(UserManual, OpensTheManualOrSaysItIsMissingOrWhereItIs) {
  test::TempDir dir;
  test::ScriptedSeams seams;
  std::vector<std::string> opened;
  bool viewer = true;
  UserManualDialog::SetOpener([&](const std::string& f) {
    opened.push_back(f);
    return viewer;
  });
  {
    UserManualDialog manual(AppPaths{dir.Path(), dir.Path()});
    EXPECT_EQ(manual.windowTitle().toStdString(), "User Manual Notice");
    manual.OkClick();
    EXPECT_EQ(seams.Single(),
              "The User Manual could not be located.  Please make sure the user manual was "
              "installed.  A copy is available at our web site.");
  }
  seams.Clear();
  test::WriteText(dir.File("quarl.PDF"), "manual");
  UserManualDialog manual(AppPaths{dir.Path(), dir.Path()});
  manual.OkClick();
  EXPECT_EQ(opened, (std::vector<std::string>{dir.File("quarl.PDF")}));
  EXPECT_TRUE(seams.Texts().empty());
  // No program to show it: say so, and where the manual is.
  viewer = false;
  manual.OkClick();
  EXPECT_EQ(seams.Single(), "No program to show the user manual could be started.  The manual is " +
                                dir.File("quarl.PDF") +
                                "; open it with any program that reads PDF documents.");
  UserManualDialog::SetOpener({});
}

TEST(SingleInstance, ASecondInstanceIsRefusedUntilTheFirstEnds) {
  test::TempDir dir;
  const QString lock = QString::fromStdString(dir.File("gw.lock"));
  auto first = AcquireInstanceLock(lock);
  ASSERT_TRUE(first);
  EXPECT_FALSE(AcquireInstanceLock(lock));
  first.reset();
  EXPECT_TRUE(AcquireInstanceLock(lock));
}

}  // namespace
}  // namespace gw
