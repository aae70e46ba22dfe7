// The preview's zoom limits and steps, fitting the page, copies and the dialogs' readings.
#include <gtest/gtest.h>

#include "printing/PreviewModel.h"

namespace gw {
namespace {

TEST(PreviewModel, TheZoomEditIsBroughtWithinTenAndTwoHundred) {
  EXPECT_EQ(ZoomFromText("5", 100), 10.0);
  EXPECT_EQ(ZoomFromText("500", 100), 200.0);
  EXPECT_EQ(ZoomFromText(" 33.3 ", 100), 33.3);
  EXPECT_EQ(ZoomFromText("-20", 100), 10.0);
  // Text that is no number, or the zoom there is already, changes nothing.
  EXPECT_FALSE(ZoomFromText("", 100));
  EXPECT_FALSE(ZoomFromText("50%", 100));
  EXPECT_FALSE(ZoomFromText("nan", 100));
  EXPECT_FALSE(ZoomFromText("100.0", 100));
  EXPECT_FALSE(ZoomFromText("300", 200));
  EXPECT_EQ(ZoomText(33.3), "33.3");
  EXPECT_EQ(ZoomText(100), "100.0");
}

TEST(PreviewModel, ZoomingStepsByTenAndStopsAtTheLimits) {
  double zoom = 40;
  std::vector<double> seen;
  for (int i = 0; i < 4; ++i) seen.push_back(zoom = ZoomOut(zoom));
  EXPECT_EQ(seen, (std::vector<double>{30, 20, 10, 10}));
  EXPECT_EQ(ZoomIn(195), 200);
  EXPECT_EQ(ZoomIn(200), 200);
  EXPECT_EQ(ZoomOut(ZoomIn(33.3)), 33.3);
}

TEST(PreviewModel, FittingKeepsTheMarginsAndTheLimits) {
  // A letter page is 816 pixels wide at 96 dpi; with 2.5 % each side it needs 856.8.
  EXPECT_NEAR(FitWidthZoom(856.8, 8.5, 96), 100, 1e-9);
  EXPECT_NEAR(FitWidthZoom(428.4, 8.5, 96), 50, 1e-9);
  // Whole page: the height decides on a wide view, the width on a narrow one.
  EXPECT_NEAR(WholePageZoom(2000, 1108.8, 8.5, 11, 96), 100, 1e-9);
  EXPECT_NEAR(WholePageZoom(428.4, 5000, 8.5, 11, 96), 50, 1e-9);
  EXPECT_EQ(FitWidthZoom(10, 8.5, 96), 10);
  EXPECT_EQ(WholePageZoom(1e6, 1e6, 8.5, 11, 96), 200);
}

TEST(PreviewModel, CopiesGoAsOneJobOnlyWhenTheDriverTakesMore) {
  const CopiesPlan many = PlanCopies(3, 99);
  EXPECT_EQ(many.jobs, 1);
  EXPECT_EQ(many.copiesPerJob, 3);
  const CopiesPlan single = PlanCopies(3, 1);
  EXPECT_EQ(single.jobs, 3);
  EXPECT_EQ(single.copiesPerJob, 1);
  EXPECT_EQ(PlanCopies(99, 99).jobs, 99);  // not less than the driver's count
}

TEST(PreviewModel, TheCopiesAndQualityDialogsTakeWholeNumbersInRange) {
  EXPECT_EQ(CopiesFromText(" 3 "), 3);
  EXPECT_EQ(CopiesFromText("999"), 999);
  for (const char* refused : {"0", "-2", "", "two", "3x", "1.5"})
    EXPECT_FALSE(CopiesFromText(refused)) << refused;
  EXPECT_EQ(QualityFromText("1"), 1);
  EXPECT_EQ(QualityFromText("100"), 100);
  for (const char* refused : {"0", "101", "-5", "", "abc", "50 %"})
    EXPECT_FALSE(QualityFromText(refused)) << refused;
}

}  // namespace
}  // namespace gw
