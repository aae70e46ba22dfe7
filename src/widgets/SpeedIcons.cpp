// Speed button icons: small flat drawings on a 24 x 24 grid.
#include "widgets/SpeedIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <cstring>

namespace gw {

namespace {

const QColor kInk(40, 40, 48);
const QColor kPaper(252, 252, 246);
const QColor kFolder(236, 188, 72);
const QColor kBlue(52, 104, 196);
const QColor kGreen(46, 150, 72);
const QColor kRed(204, 48, 40);

void Page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 5, r.top());
  path.lineTo(r.right(), r.top() + 5);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kPaper);
  p.drawPath(path);
}

void GridLetters(QPainter& p, QRectF r) {
  QFont f("Arial");
  f.setPixelSize(5);
  f.setBold(true);
  p.setFont(f);
  p.setPen(kInk);
  const char* letters = "WORDFINDS";
  for (int i = 0; i < 9; ++i)
    p.drawText(QRectF(r.left() + (i % 3) * r.width() / 3, r.top() + (i / 3) * r.height() / 3,
                      r.width() / 3, r.height() / 3),
               Qt::AlignCenter, QString(QChar(letters[i])));
}

void Folder(QPainter& p, bool open) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kFolder.darker(115));
  p.drawRect(QRectF(2.5, 6.5, 18, 14));
  p.drawRect(QRectF(2.5, 4.5, 7, 3));
  p.setBrush(kFolder);
  if (open) {
    QPolygonF front({{5.5, 10.5}, {22.5, 10.5}, {19.5, 20.5}, {2.5, 20.5}});
    p.drawPolygon(front);
  } else {
    p.drawRect(QRectF(2.5, 9.5, 18, 11));
  }
}

void Plus(QPainter& p, QPointF c, QColor color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawEllipse(c, 5, 5);
  p.setPen(QPen(Qt::white, 2));
  p.drawLine(QPointF(c.x() - 2.5, c.y()), QPointF(c.x() + 2.5, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - 2.5), QPointF(c.x(), c.y() + 2.5));
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor color) {
  p.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len, n(-u.y(), u.x());
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(QPolygonF({to + u * 2, to - u * 4 + n * 4, to - u * 4 - n * 4}));
}

// A magnifying glass with a sign in it: + zooms in, - out.
void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(10, 10), 7, 7);
  p.setPen(QPen(kBlue, 2));
  p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
  if (plus) p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

// A page with a word on its face: the picture formats.
void Labelled(QPainter& p, const char* label, QColor color) {
  Page(p, {4.5, 1.5, 15, 21});
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawRect(QRectF(1, 12, 22, 9));
  QFont f("Arial");
  f.setPixelSize(8);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 12, 22, 9), Qt::AlignCenter, QString::fromLatin1(label));
}

void Draw(QPainter& p, const char* name) {
  if (!std::strcmp(name, "SpeedNewGroup")) {
    Folder(p, false);
    Plus(p, {18, 17}, kGreen);
  } else if (!std::strcmp(name, "SpeedOpenGroup")) {
    Folder(p, true);
  } else if (!std::strcmp(name, "SpeedNew")) {
    Page(p, {4.5, 2.5, 14, 19});
    GridLetters(p, {6, 7, 11, 11});
    Plus(p, {18, 18}, kGreen);
  } else if (!std::strcmp(name, "SpeedModify")) {
    Page(p, {4.5, 2.5, 14, 19});
    GridLetters(p, {6, 7, 11, 11});
    p.setPen(QPen(kInk, 1));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{21, 8}, {23, 10}, {13, 20}, {10, 21}, {11, 18}}));
  } else if (!std::strcmp(name, "SpeedCopy")) {
    Page(p, {2.5, 2.5, 12, 16});
    Page(p, {9.5, 6.5, 12, 16});
    GridLetters(p, {10.5, 10, 10, 10});
  } else if (!std::strcmp(name, "SpeedDelete")) {
    Page(p, {4.5, 2.5, 14, 19});
    p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 8), QPointF(20, 22));
    p.drawLine(QPointF(20, 8), QPointF(6, 22));
  } else if (!std::strcmp(name, "SpeedImport")) {
    Folder(p, false);
    Arrow(p, {22, 2}, {13, 13}, kBlue);
  } else if (!std::strcmp(name, "SpeedExport")) {
    Folder(p, false);
    Arrow(p, {10, 13}, {21, 2}, kGreen);
  } else if (!std::strcmp(name, "PreviewZoomIn")) {
    Magnifier(p, true);
  } else if (!std::strcmp(name, "PreviewZoomOut")) {
    Magnifier(p, false);
  } else if (!std::strcmp(name, "PreviewPageWidth")) {
    Page(p, {4.5, 1.5, 15, 21});
    Arrow(p, {12, 12}, {22, 12}, kBlue);
    Arrow(p, {12, 12}, {2, 12}, kBlue);
  } else if (!std::strcmp(name, "PreviewWholePage")) {
    Page(p, {5.5, 2.5, 13, 19});
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 1, 19, 22));
  } else if (!std::strcmp(name, "PreviewPreviousPage")) {
    Page(p, {8.5, 2.5, 13, 19});
    Arrow(p, {16, 12}, {4, 12}, kBlue);
  } else if (!std::strcmp(name, "PreviewNextPage")) {
    Page(p, {2.5, 2.5, 13, 19});
    Arrow(p, {8, 12}, {20, 12}, kBlue);
  } else if (!std::strcmp(name, "PreviewBitmap")) {
    Labelled(p, "BMP", kGreen);
  } else if (!std::strcmp(name, "PreviewJpeg")) {
    Labelled(p, "JPG", kRed);
  } else if (!std::strcmp(name, "PreviewMetafile")) {
    Labelled(p, "WMF", kBlue);
  } else if (!std::strcmp(name, "PreviewWeb")) {
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.drawEllipse(QRectF(8, 2.5, 8, 19));
    p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
    p.drawLine(QPointF(4, 7), QPointF(20, 7));
    p.drawLine(QPointF(4, 17), QPointF(20, 17));
  } else if (!std::strcmp(name, "SpeedPrint") || !std::strcmp(name, "PreviewPrint")) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 15.5, 11, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
  } else if (!std::strcmp(name, "SpeedShape")) {
    // A heart drawn as cells of a grid: a puzzle shape.
    static const char* rows[] = {".##.##.", "#######", "#######", ".#####.", "..###..", "...#..."};
    p.setPen(QPen(kInk, 0.6));
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 7; ++c) {
        p.setBrush(rows[r][c] == '#' ? kRed : kPaper);
        p.drawRect(QRectF(1.5 + c * 3, 3.5 + r * 3, 3, 3));
      }
  } else if (!std::strcmp(name, "SpeedPageLay")) {
    Page(p, {4.5, 1.5, 15, 21});
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(7, 4, 10, 2));
    p.setBrush(QColor(120, 160, 220));
    p.drawRect(QRectF(7, 8, 10, 8));
    p.setBrush(kInk);
    for (int i = 0; i < 2; ++i) p.drawRect(QRectF(7, 18 + i * 2, 7, 1));
  } else if (!std::strcmp(name, "SpeedHelp")) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QFont f("Arial");
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
  } else if (!std::strcmp(name, "SpeedExit") || !std::strcmp(name, "PreviewDone")) {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(4.5, 2.5, 11, 19));
    p.setBrush(kFolder);
    p.drawEllipse(QPointF(13, 12), 1, 1);
    Arrow(p, {12, 12}, {22, 12}, kRed);
  }
}

}  // namespace

QIcon PaintedIcon(int size, const std::function<void(QPainter&)>& draw) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap(size * scale, size * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon SpeedIcon(const char* buttonName) {
  return PaintedIcon(24, [buttonName](QPainter& p) { Draw(p, buttonName); });
}

}  // namespace gw
