// WMF and EMF pages: the drawing layer's calls turned into metafile records by libUEMF.
#include "page/MetafileTarget.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include <uwmf.h>  // brings uemf.h

#include "base/TextCodec.h"

namespace gw {

namespace {

// libUEMF writes the finished file to a path as its last step; the bytes stay in its buffer
// until freed, and a file of ours is written atomically from them.
constexpr const char* kNowhere = "/dev/null";

U_COLORREF Colour(const QColor& c) {
  return colorref3_set(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                       static_cast<uint8_t>(c.blue()));
}

int16_t Short(int v) {
  return static_cast<int16_t>(
      std::clamp<int>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

// The GDI state a record stream has selected, so that objects are made only when they change.
struct Pen {
  bool visible;
  QColor colour;
  int width = 1;  // pixels
  bool operator==(const Pen&) const = default;
};
struct Brush {
  bool solid;
  QColor colour;
  bool operator==(const Brush&) const = default;
};

}  // namespace

// One metafile format: the records the drawing layer needs, in whole pixels.
class MetafileTarget::Writer {
 public:
  virtual ~Writer() = default;
  virtual void SelectPen(const Pen& pen) = 0;
  virtual void SelectBrush(const Brush& brush) = 0;
  virtual void SelectFont(const ReportFont& font, int pixelHeight) = 0;
  virtual void TextColour(const QColor& c) = 0;
  virtual void Background(bool opaque, const QColor& c) = 0;
  virtual void TextAlign(bool baseline) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) = 0;
  virtual void Ellipse(int l, int t, int r, int b) = 0;
  virtual void Rectangle(int l, int t, int r, int b) = 0;
  // Text with one advance per character; `height` is the line's height, for bounds.
  virtual void Text(int x, int y, const std::string& cp1252, const std::vector<int>& advances,
                    int height) = 0;
  virtual QByteArray Finish() = 0;

  // A record the library could not make spoils the file.
  bool failed = false;

  // The state only changes with a record, so the same one is not written twice.
  void Use(const Pen& pen) {
    if (pen_ != pen) SelectPen(pen), pen_ = pen;
  }
  void Use(const Brush& brush) {
    if (brush_ != brush) SelectBrush(brush), brush_ = brush;
  }
  void Use(const ReportFont& font, int pixelHeight) {
    if (font_ != font || fontHeight_ != pixelHeight) {
      SelectFont(font, pixelHeight);
      font_ = font;
      fontHeight_ = pixelHeight;
    }
    if (textColour_ != font.color) TextColour(font.color), textColour_ = font.color;
  }
  void UseBackground(bool opaque, const QColor& c) {
    if (opaque_ != opaque || (opaque && bk_ != c)) Background(opaque, c);
    opaque_ = opaque;
    if (opaque) bk_ = c;
  }
  void UseAlign(bool baseline) {
    if (baseline_ != baseline) TextAlign(baseline), baseline_ = baseline;
  }

 private:
  std::optional<Pen> pen_;
  std::optional<Brush> brush_;
  std::optional<ReportFont> font_;
  int fontHeight_ = 0;
  std::optional<QColor> textColour_;
  std::optional<bool> opaque_;
  QColor bk_;
  std::optional<bool> baseline_;
};

namespace {

class WmfWriter : public MetafileTarget::Writer {
 public:
  WmfWriter(const MetafileSize& size) {
    if (wmf_start(kNowhere, 1 << 16, 1 << 16, &t_) || wmf_htable_create(128, 128, &h_)) {
      failed = true;
      return;
    }
    // The placeable header: the page in pixels, and the units per inch that make its stated size.
    const unsigned inch = static_cast<unsigned>(std::lround(kMetafileDpi / kMetafilePhysicalScale));
    U_PAIRF* inches =
        U_PAIRF_set(static_cast<float>(size.width) / inch, static_cast<float>(size.height) / inch);
    char* header = U_WMRHEADER_set(inches, inch);
    std::free(inches);
    if (!header || wmf_header_append(reinterpret_cast<U_METARECORD*>(header), t_, 1)) failed = true;
    // Creator and description as GDI writes a comment: both texts, each ended by a zero.
    std::string comment = std::string(kMetafileCreator) + '\0' + kMetafileDescription + '\0';
    if (comment.size() % 2) comment += '\0';
    Put(U_WMRESCAPE_set(0x000F /* MFCOMMENT */, static_cast<uint16_t>(comment.size()),
                        comment.data()));
    Put(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    Put(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    Put(U_WMRSETWINDOWEXT_set(point16_set(Short(size.width), Short(size.height))));
  }
  ~WmfWriter() override {
    if (t_) wmf_free(&t_);
    if (h_) wmf_htable_free(&h_);
  }

  void SelectPen(const Pen& pen) override {
    Replace(pen_, wcreatepenindirect_set(&next_, h_,
                                         U_PEN_set(pen.visible ? U_PS_SOLID : U_PS_NULL, pen.width,
                                                   Colour(pen.colour))));
  }
  void SelectBrush(const Brush& brush) override {
    Replace(brush_, wcreatebrushindirect_set(&next_, h_,
                                             U_WLOGBRUSH_set(brush.solid ? U_BS_SOLID : U_BS_NULL,
                                                             Colour(brush.colour), 0)));
  }
  void SelectFont(const ReportFont& font, int pixelHeight) override {
    std::string face = font.name.substr(0, U_LF_FACESIZE - 1);
    U_FONT* f = U_FONT_set(Short(-pixelHeight), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL,
                           font.italic, font.underline, font.strikeOut, U_ANSI_CHARSET,
                           U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                           U_DEFAULT_PITCH | U_FF_DONTCARE, face.data());
    if (!f) {
      failed = true;
      return;
    }
    Replace(font_, wcreatefontindirect_set(&next_, h_, f));
    std::free(f);
  }
  void TextColour(const QColor& c) override { Put(U_WMRSETTEXTCOLOR_set(Colour(c))); }
  void Background(bool opaque, const QColor& c) override {
    Put(U_WMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
    if (opaque) Put(U_WMRSETBKCOLOR_set(Colour(c)));
  }
  void TextAlign(bool baseline) override {
    Put(U_WMRSETTEXTALIGN_set(baseline ? U_TA_BASELINE : U_TA_TOP));
  }
  void MoveTo(int x, int y) override { Put(U_WMRMOVETO_set(P(x, y))); }
  void LineTo(int x, int y) override { Put(U_WMRLINETO_set(P(x, y))); }
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
    Put(U_WMRARC_set(P(x3, y3), P(x4, y4), R(l, t, r, b)));
  }
  void Ellipse(int l, int t, int r, int b) override { Put(U_WMRELLIPSE_set(R(l, t, r, b))); }
  void Rectangle(int l, int t, int r, int b) override { Put(U_WMRRECTANGLE_set(R(l, t, r, b))); }
  void Text(int x, int y, const std::string& cp1252, const std::vector<int>& advances,
            int) override {
    std::vector<int16_t> dx;
    for (int a : advances) dx.push_back(Short(a));
    const int16_t length = Short(static_cast<int>(std::min<size_t>(cp1252.size(), 32000)));
    Put(U_WMREXTTEXTOUT_set(P(x, y), length, 0, cp1252.data(), dx.data(), R(0, 0, 0, 0)));
  }
  QByteArray Finish() override {
    Put(U_WMREOF_set());
    if (failed || wmf_finish(t_)) return {};
    return QByteArray(t_->buf, static_cast<qsizetype>(t_->used));
  }

 private:
  static U_POINT16 P(int x, int y) { return point16_set(Short(x), Short(y)); }
  static U_RECT16 R(int l, int t, int r, int b) { return U_RECT16_set(P(l, t), P(r, b)); }
  void Put(char* record) {
    if (!record || wmf_append(reinterpret_cast<U_METARECORD*>(record), t_, 1)) failed = true;
  }
  // Selects a newly made object in place of `held`, then deletes the one it held.
  void Replace(uint32_t& held, char* create) {
    Put(create);
    if (failed) return;
    const uint32_t made = next_;
    Put(wselectobject_set(made, h_));
    if (held) Put(wdeleteobject_set(&held, h_));
    held = made;
  }

  WMFTRACK* t_ = nullptr;
  WMFHANDLES* h_ = nullptr;
  uint32_t next_ = 0, pen_ = 0, brush_ = 0, font_ = 0;
};

class EmfWriter : public MetafileTarget::Writer {
 public:
  EmfWriter(const MetafileSize& size) : size_(size) {
    if (emf_start(kNowhere, 1 << 16, 1 << 16, &t_) || emf_htable_create(128, 128, &h_)) {
      failed = true;
      return;
    }
    const U_RECTL bounds = rectl_set(pointl_set(0, 0), pointl_set(size.width - 1, size.height - 1));
    const U_RECTL frame =
        rectl_set(pointl_set(0, 0), pointl_set(size.frameWidth, size.frameHeight));
    // The reference device is the page itself, so that pixels and the stated size agree.
    const U_SIZEL device = sizel_set(size.width, size.height);
    const U_SIZEL millimetres = sizel_set(size.frameWidth / 100, size.frameHeight / 100);
    const std::u16string description =
        Wide(kMetafileCreator) + u'\0' + Wide(kMetafileDescription) + u'\0' + u'\0';
    std::vector<uint16_t> text(description.begin(), description.end());
    Put(U_EMRHEADER_set(bounds, frame, nullptr, static_cast<U_CBSTR>(text.size()), text.data(),
                        device, millimetres, 0));
  }
  ~EmfWriter() override {
    if (t_) emf_free(&t_);
    if (h_) emf_htable_free(&h_);
  }

  void SelectPen(const Pen& pen) override {
    Replace(pen_, createpen_set(&next_, h_,
                                logpen_set(pen.visible ? U_PS_SOLID : U_PS_NULL,
                                           point32_set(pen.width, pen.width), Colour(pen.colour))));
  }
  void SelectBrush(const Brush& brush) override {
    Replace(brush_, createbrushindirect_set(&next_, h_,
                                            logbrush_set(brush.solid ? U_BS_SOLID : U_BS_NULL,
                                                         Colour(brush.colour), 0)));
  }
  void SelectFont(const ReportFont& font, int pixelHeight) override {
    std::u16string face = Wide(font.name).substr(0, U_LF_FACESIZE - 1);
    std::vector<uint16_t> name(face.begin(), face.end());
    name.resize(U_LF_FACESIZE, 0);
    U_LOGFONT lf = logfont_set(-pixelHeight, 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL,
                               font.italic, font.underline, font.strikeOut, U_ANSI_CHARSET,
                               U_OUT_DEFAULT_PRECIS, U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY,
                               U_DEFAULT_PITCH | U_FF_DONTCARE, name.data());
    Replace(font_,
            extcreatefontindirectw_set(&next_, h_, reinterpret_cast<const char*>(&lf), nullptr));
  }
  void TextColour(const QColor& c) override { Put(U_EMRSETTEXTCOLOR_set(Colour(c))); }
  void Background(bool opaque, const QColor& c) override {
    Put(U_EMRSETBKMODE_set(opaque ? U_OPAQUE : U_TRANSPARENT));
    if (opaque) Put(U_EMRSETBKCOLOR_set(Colour(c)));
  }
  void TextAlign(bool baseline) override {
    Put(U_EMRSETTEXTALIGN_set(baseline ? U_TA_BASELINE : U_TA_TOP));
  }
  void MoveTo(int x, int y) override { Put(U_EMRMOVETOEX_set(pointl_set(x, y))); }
  void LineTo(int x, int y) override { Put(U_EMRLINETO_set(pointl_set(x, y))); }
  void Arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) override {
    Put(U_EMRARC_set(R(l, t, r, b), pointl_set(x3, y3), pointl_set(x4, y4)));
  }
  void Ellipse(int l, int t, int r, int b) override { Put(U_EMRELLIPSE_set(R(l, t, r, b))); }
  void Rectangle(int l, int t, int r, int b) override { Put(U_EMRRECTANGLE_set(R(l, t, r, b))); }
  void Text(int x, int y, const std::string& cp1252, const std::vector<int>& advances,
            int height) override {
    const std::u16string wide = Wide(cp1252);
    std::vector<uint16_t> units(wide.begin(), wide.end());
    std::vector<uint32_t> dx(advances.begin(), advances.end());
    dx.resize(units.size(), 0);
    int width = 0;
    for (int a : advances) width += a;
    const U_RECTL box = R(x, y, x + width, y + height);
    char* text = emrtext_set(pointl_set(x, y), static_cast<U_NUM_STR>(units.size()), 2,
                             units.data(), U_ETO_NONE, box, dx.data());
    if (!text) {
      failed = true;
      return;
    }
    // Scale from pixels to hundredths of a millimetre, as the frame states it.
    const float scale = static_cast<float>(size_.frameWidth) / std::max(1, size_.width);
    Put(U_EMREXTTEXTOUTW_set(box, U_GM_COMPATIBLE, scale, scale,
                             reinterpret_cast<PU_EMRTEXT>(text)));
    std::free(text);
  }
  QByteArray Finish() override {
    Put(U_EMREOF_set(0, nullptr, t_));
    if (failed || emf_finish(t_, h_)) return {};
    return QByteArray(t_->buf, static_cast<qsizetype>(t_->used));
  }

 private:
  static std::u16string Wide(const std::string& cp1252) {
    const QString text = ToQString(cp1252);
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<size_t>(text.size()));
  }
  static U_RECTL R(int l, int t, int r, int b) {
    return rectl_set(pointl_set(l, t), pointl_set(r, b));
  }
  void Put(char* record) {
    if (!record || emf_append(reinterpret_cast<PU_ENHMETARECORD>(record), t_, 1)) failed = true;
  }
  void Replace(uint32_t& held, char* create) {
    Put(create);
    if (failed) return;
    const uint32_t made = next_;
    Put(selectobject_set(made, h_));
    if (held) Put(deleteobject_set(&held, h_));
    held = made;
  }

  MetafileSize size_;
  EMFTRACK* t_ = nullptr;
  EMFHANDLES* h_ = nullptr;
  uint32_t next_ = 0, pen_ = 0, brush_ = 0, font_ = 0;
};

// A font's height in whole 96-dpi pixels, as a screen sets a point size.
int PixelHeight(const ReportFont& font) {
  return std::max(1, static_cast<int>(std::lround(DrawnFontSize(font.size) * 96.0 / 72.0)));
}

}  // namespace

MetafileSize MetafileSizeOf(double pageWidth, double pageHeight) {
  auto trunc = [](double v) { return static_cast<int>(std::clamp(v, 0.0, 2e9)); };
  return {trunc(pageWidth * kMetafileDpi), trunc(pageHeight * kMetafileDpi),
          trunc(pageWidth * 2540 * kMetafilePhysicalScale),
          trunc(pageHeight * 2540 * kMetafilePhysicalScale)};
}

MetafileTarget::MetafileTarget(MetafileKind kind, double pageWidth, double pageHeight)
    : pageWidth_(pageWidth), pageHeight_(pageHeight) {
  const MetafileSize size = MetafileSizeOf(pageWidth, pageHeight);
  if (kind == MetafileKind::Wmf)
    w_ = std::make_unique<WmfWriter>(size);
  else
    w_ = std::make_unique<EmfWriter>(size);
}

MetafileTarget::~MetafileTarget() = default;

QByteArray MetafileTarget::Finish() {
  if (!w_) return {};
  QByteArray bytes = w_->Finish();
  w_.reset();
  return bytes;
}

void MetafileTarget::SetFont(const ReportFont& font) {
  measure_.Set(font);
}

int MetafileTarget::Px(double inches) const {
  return static_cast<int>(std::lround(inches * kMetafileDpi));
}

// A character's advance in whole pixels, as a screen font sets it.
int MetafileTarget::Advance(unsigned char c) {
  return Px(measure_.TextWidth(std::string(1, static_cast<char>(c))));
}

double MetafileTarget::TextWidth(const std::string& text) {
  int width = 0;
  for (unsigned char c : text) width += Advance(c);
  return width / kMetafileDpi;
}

double MetafileTarget::TextHeight(const std::string&) {
  return (Px(measure_.Ascent()) + Px(measure_.Descent())) / kMetafileDpi;
}

double MetafileTarget::Ascent() {
  return Px(measure_.Ascent()) / kMetafileDpi;
}

double MetafileTarget::Descent() {
  return Px(measure_.Descent()) / kMetafileDpi;
}

void MetafileTarget::Text(double x, double y, const std::string& text, bool baseline) {
  if (!w_ || text.empty()) return;
  const ReportFont& font = measure_.Current();
  w_->Use(font, PixelHeight(font));
  // Opaque text stands on a box of the brush colour, as GDI's background colour paints it.
  w_->UseBackground(textBackground_ == TextBackground::Opaque, brush_);
  w_->UseAlign(baseline);
  std::vector<int> advances;
  for (unsigned char c : text) advances.push_back(Advance(c));
  w_->Text(Px(x), Px(y), text, advances, Px(measure_.Ascent()) + Px(measure_.Descent()));
}

void MetafileTarget::PrintAt(double x, double y, const std::string& text) {
  Text(x, y, text, true);
}

void MetafileTarget::PrintTopLeft(double x, double y, const std::string& text) {
  Text(x, y, text, false);
}

void MetafileTarget::SetPenWidth(double inches) {
  penWidth_ =
      std::max(1, static_cast<int>(std::lround(std::clamp(inches, 0.0, 1.0) * kMetafileDpi)));
}

void MetafileTarget::MoveTo(double x, double y) {
  if (w_) w_->MoveTo(Px(x), Px(y));
}

void MetafileTarget::LineTo(double x, double y) {
  if (!w_) return;
  w_->Use(Pen{true, pen_, penWidth_});
  w_->LineTo(Px(x), Px(y));
}

void MetafileTarget::Arc(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4) {
  if (!w_) return;
  w_->Use(Pen{true, pen_, penWidth_});
  w_->Arc(Px(x1), Px(y1), Px(x2), Px(y2), Px(x3), Px(y3), Px(x4), Px(y4));
}

void MetafileTarget::Ellipse(double x1, double y1, double x2, double y2) {
  if (!w_) return;
  w_->Use(Pen{true, pen_, penWidth_});
  w_->Use(Brush{brushStyle_ == BrushStyle::Solid, brush_});
  w_->Ellipse(Px(x1), Px(y1), Px(x2), Px(y2));
}

// GDI fills a rectangle drawn without a pen one pixel short on the right and at the bottom, so
// the box grows by one to cover the same pixels as a fill of it.
void MetafileTarget::FillRect(double x1, double y1, double x2, double y2) {
  if (!w_ || brushStyle_ == BrushStyle::Clear) return;
  w_->Use(Pen{false, Qt::black});
  w_->Use(Brush{true, brush_});
  const int l = std::min(Px(x1), Px(x2)), r = std::max(Px(x1), Px(x2));
  const int t = std::min(Px(y1), Px(y2)), b = std::max(Px(y1), Px(y2));
  w_->Rectangle(l, t, r + 1, b + 1);
}

QByteArray MetafileOfPage(MetafileKind kind, const PuzzleRecord& puzzle,
                          const PrintOptions& options, const PageValues& values) {
  MetafileTarget target(kind, values.pageWidth, values.pageHeight);
  const MetafileSize size = MetafileSizeOf(values.pageWidth, values.pageHeight);
  target.SetBrushColor(Qt::white);
  target.FillRect(0, 0, size.width / kMetafileDpi, size.height / kMetafileDpi);
  DrawKeptPage(puzzle, options, values, target);
  return target.Finish();
}

bool LayoutHasBitmap(const PageLayout& layout) {
  for (int i = 0; i < UsedObjectCount(layout); ++i)
    if (layout.objects[i].kind == kKindBitmap) return true;
  return false;
}

}  // namespace gw
