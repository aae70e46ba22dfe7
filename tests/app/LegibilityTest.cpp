// Every window, at every "Window Size" scale and in every language: each text fits its control,
// each control its parent.
#include <gtest/gtest.h>

#include "support/Gallery.h"
#include "support/Legibility.h"
#include "support/Translations.h"
#include "widgets/FormLayout.h"
#include "widgets/UiLanguage.h"

namespace gw {
namespace {

using Shown = std::tuple<size_t, double, std::string>;

class LegibilityTest : public testing::TestWithParam<Shown> {
 protected:
  void TearDown() override { ApplyUiLanguage(QStringLiteral("en")); }
};

TEST_P(LegibilityTest, EveryTextFitsItsControl) {
  const auto [which, scale, language] = GetParam();
  ASSERT_TRUE(ApplyUiLanguage(QString::fromStdString(language)));
  test::GalleryContext context(GW_BIN_DIR, GW_WORD_LIST);
  test::SetScale(scale);
  const test::GalleryWindow entry = test::AllWindows()[which];
  std::unique_ptr<QWidget> window = entry.make(context);
  test::ShowAndSettle(window.get());
  std::string report;
  for (const std::string& p : test::LegibilityProblems(window.get())) report += "\n  " + p;
  EXPECT_TRUE(report.empty()) << entry.name << " at " << scale << " in " << language << ":"
                              << report;
  window->close();
}

std::string Named(const testing::TestParamInfo<Shown>& info) {
  std::string name = test::AllWindows()[std::get<0>(info.param)].name + "_" +
                     std::to_string(static_cast<int>(std::get<1>(info.param) * 100)) + "_" +
                     std::get<2>(info.param);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(AllWindows, LegibilityTest,
                         testing::Combine(testing::Range<size_t>(0, test::AllWindows().size()),
                                          testing::Values(1.0, 1.25, 1.6, 2.0),
                                          testing::ValuesIn(test::ShownLanguages())),
                         Named);

}  // namespace
}  // namespace gw
