// Layout thumbnails: page box, kind colours, column lines.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "layouts/LayoutThumbnail.h"

namespace gw {
namespace {

PageLayout LetterAtMedium() {
  PageLayout layout;
  MakeBuiltInDefaultLayout(layout);
  layout.pixelWidth = 612;
  layout.pixelHeight = 792;
  layout.objectCount = 0;
  return layout;
}

TEST(LayoutThumbnail, PortraitLetterFillsTheHeightAndLeavesTheRestInButtonFace) {
  QImage image(117, 137, QImage::Format_RGB32);
  const PageLayout layout = LetterAtMedium();
  DrawPageBox(image, layout);
  // s = min(117/612, 137/792) = 0.17297..: a 105 x 137 white page at the top-left corner.
  const QColor face = QGuiApplication::palette().color(QPalette::Button);
  EXPECT_EQ(image.pixelColor(104, 136), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(105, 10), face);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));  // objectCount 0: only the page
}

TEST(LayoutThumbnail, ObjectsTakeTheirKindColourAndWordListsShowColumns) {
  QImage image(612, 792, QImage::Format_RGB32);  // scale 1 keeps the arithmetic visible
  PageLayout layout = LetterAtMedium();
  layout.objectCount = 3;
  LayoutObject& words = layout.objects[2];
  words.bounds = {100, 100, 121, 200};  // 21 wide, 3 columns of 7
  words.columns = 3;
  layout.objects[0].kind = 99;  // unknown kinds are not drawn
  layout.objects[0].bounds = {300, 300, 400, 400};
  DrawPageBox(image, layout);
  EXPECT_EQ(image.pixelColor(350, 350), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(110, 150), QColor(0, 128, 128));  // teal words
  EXPECT_EQ(image.pixelColor(200, 200), QColor(128, 0, 0));    // maroon puzzle (96..312)
  // Dotted column lines at Left + 7 and Left + 14: some of their pixels are black.
  int dark7 = 0, dark14 = 0;
  for (int y = 101; y < 200; ++y) {
    dark7 += image.pixelColor(107, y) == QColor(Qt::black);
    dark14 += image.pixelColor(114, y) == QColor(Qt::black);
  }
  EXPECT_GT(dark7, 20);
  EXPECT_GT(dark14, 20);
}

TEST(LayoutThumbnail, ANonPositivePageSizeDrawsOnlyTheBackground) {
  QImage image(50, 50, QImage::Format_RGB32);
  PageLayout layout = LetterAtMedium();
  layout.pixelWidth = 0;
  DrawPageBox(image, layout);
  EXPECT_EQ(image.pixelColor(1, 1), QGuiApplication::palette().color(QPalette::Button));
}

}  // namespace
}  // namespace gw
