// Candidate previews.
#include "generator/CandidatePreview.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>

#include "base/TextCodec.h"

namespace gw {

namespace {

QFont PreviewFont(int points) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(points);
  return font;
}

// Font heights as measured on a 96-dpi image, the resolution previews are drawn at.
int LineHeight(int points) {
  QImage probe(1, 1, QImage::Format_RGB32);
  return QFontMetrics(PreviewFont(points), &probe).height();
}

}  // namespace

int PreviewFontSize(int cell) {
  for (int points = 20; points >= 5; --points)
    if (LineHeight(points) < cell) return points;
  return 4;
}

void DrawAPuzzle(QImage& image, const PuzzleRecord& puzzle, int score) {
  image.fill(QGuiApplication::palette().color(QPalette::Button));
  if (score < 1) return;
  const int width = ClampedGridWidth(puzzle), height = ClampedGridHeight(puzzle);
  const int s = std::min(image.width() / width - 1, image.height() / height - 1);
  if (s < 1) return;
  QPainter p(&image);
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c)
      if (puzzle.Letter(CellIndex(r, c)) != 0)
        p.fillRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1, Qt::white);
  p.setFont(PreviewFont(PreviewFontSize(s)));
  p.setPen(Qt::black);
  for (int r = 1; r <= height; ++r)
    for (int c = 1; c <= width; ++c) {
      const uint8_t letter = puzzle.Letter(CellIndex(r, c));
      if (letter == 0 || letter == ' ') continue;
      p.drawText(QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1), Qt::AlignCenter,
                 ToQString(std::string(1, static_cast<char>(letter))));
    }
}

}  // namespace gw
