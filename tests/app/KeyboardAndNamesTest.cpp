// Every window from the keyboard alone and through a screen reader: every enabled control is
// reached by Tab, and every control has a name.
#include <gtest/gtest.h>

#include "support/Gallery.h"
#include "support/Reach.h"
#include "support/Seams.h"
#include "widgets/FormLayout.h"

namespace gw {
namespace {

class KeyboardAndNames : public testing::TestWithParam<size_t> {};

TEST_P(KeyboardAndNames, EveryControlIsReachedByTabAndNamed) {
  const test::GalleryWindow entry = test::AllWindows()[GetParam()];
  // Leaving a box may check it; whatever it says is answered here.
  test::ScriptedSeams seams;
  test::GalleryContext context(GW_BIN_DIR, GW_WORD_LIST);
  test::SetScale(1.0);
  std::unique_ptr<QWidget> window = entry.make(context);
  test::ShowAndSettle(window.get());
  std::string report;
  for (const std::string& p : test::UnnamedControls(window.get())) report += "\n  " + p;
  for (const std::string& p : test::UnreachedControls(window.get())) report += "\n  " + p;
  EXPECT_TRUE(report.empty()) << entry.name << ":" << report;
  window->close();
}

INSTANTIATE_TEST_SUITE_P(AllWindows, KeyboardAndNames,
                         testing::Range<size_t>(0, test::AllWindows().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           std::string name = test::AllWindows()[info.param].name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace gw
