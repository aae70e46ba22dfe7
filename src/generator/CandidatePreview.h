// The small picture of a candidate grid: white cells inside the shape, placed letters only.
#pragma once

#include <QImage>

#include "storage/PuzzleRecord.h"

namespace gw {

// Draws `puzzle` into `image`; a score below 1 leaves the image empty (button face colour).
void DrawAPuzzle(QImage& image, const PuzzleRecord& puzzle, int score);

// The preview's font size for square cells of `cell` pixels: the first of 20, 19, .., 5 points
// whose line height is below the cell size, else 4.
int PreviewFontSize(int cell);

}  // namespace gw
