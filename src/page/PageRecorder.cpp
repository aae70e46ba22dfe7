// The report stream. Layout: a header (magic, version, resolution), then drawing operations, each
// an operation byte and its arguments; a page operation starts every page.
#include "page/PageRecorder.h"

#include <QIODevice>

namespace gw {

namespace {

constexpr quint32 kMagic = 0x47575253;  // "GWRS"
constexpr quint16 kVersion = 2;

enum Op : quint8 {
  kPage = 1,
  kPen,
  kBrush,
  kBrushStyle,
  kTextBackground,
  kFont,
  kPrintAt,
  kPrintTopLeft,
  kMoveTo,
  kLineTo,
  kArc,
  kEllipse,
  kFillRect,
  kPicture,
  kStretch,
  kPenWidth,
};

// How many coordinates each operation carries.
int CoordinateCount(quint8 op) {
  switch (op) {
    case kPenWidth:
      return 1;
    case kPage:
    case kPrintAt:
    case kPrintTopLeft:
    case kMoveTo:
    case kLineTo:
      return 2;
    case kEllipse:
    case kFillRect:
    case kStretch:
      return 4;
    case kArc:
      return 8;
    default:
      return 0;
  }
}

enum FontFlag : quint8 { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

void WriteBytes(QDataStream& out, const std::string& text) {
  out << static_cast<quint32>(text.size());
  out.writeRawData(text.data(), static_cast<int>(text.size()));
}

bool ReadBytes(QDataStream& in, std::string& text) {
  quint32 n = 0;
  in >> n;
  const QIODevice* device = in.device();
  if (in.status() != QDataStream::Ok || n > device->bytesAvailable()) return false;
  text.resize(n);
  return in.readRawData(text.data(), static_cast<int>(n)) == static_cast<int>(n);
}

struct Operation {
  quint8 code = 0;
  double v[8] = {};
  quint32 number = 0;  // colour, style, picture number
  std::string text;
  ReportFont font;
  QImage picture;
};

bool ReadOperation(QDataStream& in, Operation& op) {
  in >> op.code;
  for (int i = 0; i < CoordinateCount(op.code); ++i) in >> op.v[i];
  switch (op.code) {
    case kPenWidth:
    case kPage:
    case kMoveTo:
    case kLineTo:
    case kArc:
    case kEllipse:
    case kFillRect:
      break;
    case kPen:
    case kBrush:
    case kBrushStyle:
    case kTextBackground:
    case kStretch:
      in >> op.number;
      break;
    case kPrintAt:
    case kPrintTopLeft:
      if (!ReadBytes(in, op.text)) return false;
      break;
    case kFont: {
      qint32 size = 0;
      quint32 color = 0;
      quint8 flags = 0;
      if (!ReadBytes(in, op.font.name)) return false;
      in >> size >> color >> flags;
      op.font.size = size;
      op.font.color = QColor::fromRgba(color);
      op.font.bold = flags & kBold;
      op.font.italic = flags & kItalic;
      op.font.underline = flags & kUnderline;
      op.font.strikeOut = flags & kStrikeOut;
      break;
    }
    case kPicture:
      in >> op.number >> op.picture;
      break;
    default:
      return false;
  }
  return in.status() == QDataStream::Ok;
}

bool ReadHeader(QDataStream& in, double& xDpi, double& yDpi) {
  in.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  quint16 version = 0;
  in >> magic >> version >> xDpi >> yDpi;
  return in.status() == QDataStream::Ok && magic == kMagic && version == kVersion;
}

void Apply(const Operation& op, const QHash<quint32, QImage>& pictures, PageTarget& target) {
  const double* v = op.v;
  switch (op.code) {
    case kPen:
      target.SetPenColor(QColor::fromRgba(op.number));
      break;
    case kPenWidth:
      target.SetPenWidth(v[0]);
      break;
    case kBrush:
      target.SetBrushColor(QColor::fromRgba(op.number));
      break;
    case kBrushStyle:
      target.SetBrushStyle(op.number ? BrushStyle::Clear : BrushStyle::Solid);
      break;
    case kTextBackground:
      target.SetTextBackground(op.number ? TextBackground::Opaque : TextBackground::Transparent);
      break;
    case kFont:
      target.SetFont(op.font);
      break;
    case kPrintAt:
      target.PrintAt(v[0], v[1], op.text);
      break;
    case kPrintTopLeft:
      target.PrintTopLeft(v[0], v[1], op.text);
      break;
    case kMoveTo:
      target.MoveTo(v[0], v[1]);
      break;
    case kLineTo:
      target.LineTo(v[0], v[1]);
      break;
    case kArc:
      target.Arc(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
      break;
    case kEllipse:
      target.Ellipse(v[0], v[1], v[2], v[3]);
      break;
    case kFillRect:
      target.FillRect(v[0], v[1], v[2], v[3]);
      break;
    case kStretch:
      target.StretchBitmap(v[0], v[1], v[2], v[3], pictures.value(op.number));
      break;
    default:
      break;
  }
}

}  // namespace

PageRecorder::PageRecorder(double pageWidth, double pageHeight, double xDpi, double yDpi)
    : out_(&bytes_, QIODevice::WriteOnly), xDpi_(xDpi), yDpi_(yDpi) {
  out_.setVersion(QDataStream::Qt_6_0);
  out_ << kMagic << kVersion << xDpi << yDpi;
  NewPage(pageWidth, pageHeight);
}

void PageRecorder::NewPage(double pageWidth, double pageHeight) {
  pageWidth_ = pageWidth;
  pageHeight_ = pageHeight;
  // Every page starts in the same state, on the target as here.
  measure_.Set(ReportFont{});
  out_ << static_cast<quint8>(kPage) << pageWidth << pageHeight;
}

void PageRecorder::SetPenColor(const QColor& color) {
  out_ << static_cast<quint8>(kPen) << static_cast<quint32>(color.rgba());
}

void PageRecorder::SetPenWidth(double inches) {
  out_ << static_cast<quint8>(kPenWidth) << inches;
}

void PageRecorder::SetBrushColor(const QColor& color) {
  out_ << static_cast<quint8>(kBrush) << static_cast<quint32>(color.rgba());
}

void PageRecorder::SetBrushStyle(BrushStyle style) {
  out_ << static_cast<quint8>(kBrushStyle) << static_cast<quint32>(style == BrushStyle::Clear);
}

void PageRecorder::SetTextBackground(TextBackground mode) {
  out_ << static_cast<quint8>(kTextBackground)
       << static_cast<quint32>(mode == TextBackground::Opaque);
}

void PageRecorder::SetFont(const ReportFont& font) {
  measure_.Set(font);
  out_ << static_cast<quint8>(kFont);
  WriteBytes(out_, font.name);
  const quint8 flags = (font.bold ? kBold : 0) | (font.italic ? kItalic : 0) |
                       (font.underline ? kUnderline : 0) | (font.strikeOut ? kStrikeOut : 0);
  out_ << static_cast<qint32>(font.size) << static_cast<quint32>(font.color.rgba()) << flags;
}

void PageRecorder::PrintAt(double x, double y, const std::string& text) {
  out_ << static_cast<quint8>(kPrintAt) << x << y;
  WriteBytes(out_, text);
}

void PageRecorder::PrintTopLeft(double x, double y, const std::string& text) {
  out_ << static_cast<quint8>(kPrintTopLeft) << x << y;
  WriteBytes(out_, text);
}

void PageRecorder::MoveTo(double x, double y) {
  out_ << static_cast<quint8>(kMoveTo) << x << y;
}

void PageRecorder::LineTo(double x, double y) {
  out_ << static_cast<quint8>(kLineTo) << x << y;
}

void PageRecorder::Arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4) {
  out_ << static_cast<quint8>(kArc) << x1 << y1 << x2 << y2 << x3 << y3 << x4 << y4;
}

void PageRecorder::Ellipse(double x1, double y1, double x2, double y2) {
  out_ << static_cast<quint8>(kEllipse) << x1 << y1 << x2 << y2;
}

void PageRecorder::FillRect(double x1, double y1, double x2, double y2) {
  out_ << static_cast<quint8>(kFillRect) << x1 << y1 << x2 << y2;
}

void PageRecorder::StretchBitmap(double x1, double y1, double x2, double y2,
                                 const QImage& picture) {
  if (picture.isNull()) return;
  // A tiled picture is drawn many times but stored once.
  auto it = pictures_.find(picture.cacheKey());
  if (it == pictures_.end()) {
    it = pictures_.insert(picture.cacheKey(), static_cast<quint32>(pictures_.size() + 1));
    out_ << static_cast<quint8>(kPicture) << it.value() << picture;
  }
  out_ << static_cast<quint8>(kStretch) << x1 << y1 << x2 << y2 << it.value();
}

std::optional<ReportStreamInfo> ReadReportInfo(const QByteArray& stream) {
  QDataStream in(stream);
  ReportStreamInfo info;
  if (!ReadHeader(in, info.xDpi, info.yDpi)) return std::nullopt;
  Operation op;
  while (!in.atEnd()) {
    if (!ReadOperation(in, op)) return std::nullopt;
    if (op.code == kPage) info.pages.emplace_back(op.v[0], op.v[1]);
  }
  return info;
}

bool ReplayReport(const QByteArray& stream, int page, PageTarget& target) {
  if (page < 0) return false;
  QDataStream in(stream);
  double xDpi = 0, yDpi = 0;
  if (!ReadHeader(in, xDpi, yDpi)) return false;
  QHash<quint32, QImage> pictures;
  int current = -1;
  Operation op;
  while (!in.atEnd()) {
    if (!ReadOperation(in, op)) return false;
    if (op.code == kPage) {
      if (++current > page) break;
    } else if (op.code == kPicture) {
      pictures.insert(op.number, op.picture);
    } else if (current == page) {
      Apply(op, pictures, target);
    }
  }
  return current >= page;
}

bool ReplayReportPages(const QByteArray& stream, int first, int last,
                       const StartReplayPage& start) {
  if (first < 0 || last < first) return false;
  QDataStream in(stream);
  double xDpi = 0, yDpi = 0;
  if (!ReadHeader(in, xDpi, yDpi)) return false;
  QHash<quint32, QImage> pictures;
  std::unique_ptr<PageTarget> target;
  int current = -1;
  Operation op;
  while (!in.atEnd()) {
    if (!ReadOperation(in, op)) return false;
    if (op.code == kPage) {
      target.reset();
      if (++current > last) break;
      if (current >= first) target = start(current, QSizeF(op.v[0], op.v[1]));
    } else if (op.code == kPicture) {
      pictures.insert(op.number, op.picture);
    } else if (target) {
      Apply(op, pictures, *target);
    }
  }
  return current >= last;
}

}  // namespace gw
