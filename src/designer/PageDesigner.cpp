// Page Creator: the page layout designer window.
#include "designer/PageDesigner.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <set>

#include "base/IoError.h"
#include "base/Settings.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "designer/GridPropertiesDialog.h"
#include "designer/ObjectBorderDialog.h"
#include "designer/ObjectFillDialog.h"
#include "designer/ObjectGeometryDialog.h"
#include "designer/ObjectPropertiesDialog.h"
#include "designer/ObjectTextDialog.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutTables.h"
#include "page/PageTarget.h"
#include "widgets/Choosers.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

constexpr int kPanelWidth = 232;
constexpr int kPanelHeight = 452;
constexpr char kOddPaper[] =
    "Some printers do not support odd sized pages.  Printed results may vary.";
constexpr char kNotABitmap[] = "The file selected is not a valid bitmap file.";
constexpr char kBitmapFilter[] =
    "Pictures (*.BMP;*.PNG;*.JPG;*.JPEG)|*.BMP;*.PNG;*.JPG;*.JPEG|Bitmap (*.BMP)|*.BMP";

// Object names become menu texts, where '&' would mark a mnemonic.
QString MenuText(const std::string& name) {
  return ToQString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString TwoDecimals(double v) {
  return QString::fromStdString(FormatPlain(v, 1, 2));
}

QRect ToRect(const LayoutBounds& b) {
  return QRect(QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1));
}

DesignPoint ToDesign(QPoint p) {
  return {p.x(), p.y()};
}

bool IsPictureFile(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toUpper();
  return ext == QLatin1String("BMP") || ext == QLatin1String("PNG") ||
         ext == QLatin1String("JPG") || ext == QLatin1String("JPEG");
}

}  // namespace

// The page picture: shows the page image with the outline of a drag over it and hands the mouse
// to the designer.
class PageCanvas : public QWidget {
 public:
  PageCanvas(PageDesigner* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setMouseTracking(true);
  }
  // Screen pixels per design pixel: the page grows with the screen layout like every form.
  void SetScale(double scale) { scale_ = scale; }
  double Scale() const { return scale_; }
  void SetImage(const QImage& image) {
    image_ = image;
    update();
  }
  // The outline is drawn over the page only; it never changes the page image.
  void SetOutline(std::optional<QRect> outline) {
    outline_ = outline;
    update();
  }
  std::optional<QRect> Outline() const { return outline_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (!outline_) return;
    p.scale(scale_, scale_);
    // Dots over a light line stay visible on every fill colour.
    p.setPen(QPen(Qt::white, 0));
    p.drawRect(*outline_);
    p.setPen(QPen(Qt::black, 0, Qt::DotLine));
    p.drawRect(*outline_);
  }
  void mousePressEvent(QMouseEvent* e) override {
    owner_->PageImageMouseDown(e->button(), Design(e));
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    owner_->PageImageMouseMove(e->buttons(), Design(e));
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    owner_->PageImageMouseUp(e->button(), Design(e));
  }

 private:
  QPoint Design(const QMouseEvent* e) const {
    const QPointF at = e->position() / scale_;
    return QPoint(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
  }

  PageDesigner* owner_;
  double scale_ = 1.0;
  QImage image_;
  std::optional<QRect> outline_;
};

PageDesigner::PageDesigner(const AppPaths& paths, DesignerMode mode, const PageLayout* layout,
                           long recordIndex, QWidget* parent)
    : QDialog(parent),
      paths_(paths),
      mode_(mode),
      recordIndex_(recordIndex),
      layout_(std::make_unique<PageLayout>()) {
  setWindowTitle(QStringLiteral("Page Creator"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  if (layout && mode != DesignerMode::New)
    *layout_ = *layout;
  else
    MakeNewDesignLayout(*layout_);
  resize(640, 480);
  setFont(DesignFont(15));
  BuildControls();
  BuildMenus();
}

PageDesigner::~PageDesigner() = default;

QWidget* PageDesigner::PageImage() const {
  return pageImage_;
}

std::optional<QRect> PageDesigner::DragOutline() const {
  return pageImage_->Outline();
}

// ---- Building ---------------------------------------------------------------------------------

void PageDesigner::BuildControls() {
  panel_ = Named(new QWidget(this), "ControlPanel", {0, 0, kPanelWidth, kPanelHeight});
  QWidget* p = panel_;
  Named(new QLabel(QStringLiteral("Name"), p), "NameLabel", {10, 8, 212, 20});
  title_ = Named(new QLineEdit(p), "Title", {10, 28, 212, 26});
  title_->setMaxLength(20);

  Named(new QLabel(QStringLiteral("Paper Size"), p), "PageSizeLabel", {10, 62, 212, 20});
  pageSize_ = Named(new QComboBox(p), "PageSize", {10, 82, 212, 26});
  for (const PaperSize& paper : StandardPapers())
    pageSize_->addItem(QString::fromLatin1(paper.name));
  pageSize_->addItem(QStringLiteral("Custom"));
  // Picking an entry again ("Custom" to show its boxes) counts too.
  connect(pageSize_, &QComboBox::activated, this, [this] { PageSizeChange(); });

  portraitButton_ =
      Named(new QRadioButton(QStringLiteral("&Portrait"), p), "PortraitButton", {10, 114, 104, 24});
  landscapeButton_ = Named(new QRadioButton(QStringLiteral("&Landscape"), p), "LandscapeButton",
                           {118, 114, 104, 24});
  connect(portraitButton_, &QRadioButton::clicked, this, &PageDesigner::PortraitButtonClick);
  connect(landscapeButton_, &QRadioButton::clicked, this, &PageDesigner::LandscapeButtonClick);

  widthLabel_ = Named(new QLabel(QStringLiteral("Width"), p), "WidthLabel", {10, 144, 104, 20});
  heightLabel_ = Named(new QLabel(QStringLiteral("Height"), p), "HeightLabel", {118, 144, 104, 20});
  pageWidth_ = Named(new QLineEdit(p), "PageWidth", {10, 164, 104, 26});
  pageHeight_ = Named(new QLineEdit(p), "PageHeight", {118, 164, 104, 26});
  for (QLineEdit* box : {pageWidth_, pageHeight_}) {
    box->setMaxLength(5);
    box->installEventFilter(this);
  }
  inches_ = Named(new QCheckBox(QStringLiteral("Inches"), p), "Inches", {10, 194, 212, 24});
  connect(inches_, &QCheckBox::clicked, this, &PageDesigner::InchesClick);

  auto heading = [p](const char* name, const char* text, int top) {
    auto* label = Named(new QLabel(QString::fromLatin1(text), p), name, {10, top, 212, 20});
    label->setFont(DesignFont(15, true));
    label->setProperty("gwKeepDesignFont", true);
  };
  heading("CrosswordHeading", "Crossword Objects", 226);
  heading("OtherHeading", "  Other   Objects", 318);
  struct PanelSpec {
    const char* name;
    int left, top;
  };
  static constexpr PanelSpec kPanels[] = {
      {"TitlePanel", 10, 248},  {"PuzzlePanel", 118, 248}, {"WordsPanel", 10, 280},
      {"BonusPanel", 118, 280}, {"TextPanel", 10, 340},    {"BitmapPanel", 118, 340},
      {"RectPanel", 10, 372},   {"CirclePanel", 118, 372},
  };
  for (size_t i = 0; i < kindPanels_.size(); ++i) {
    const LayoutKindInfo& kind = LayoutKinds()[i];
    auto* b = Named(new QPushButton(QString::fromLatin1(kind.button), p), kPanels[i].name,
                    {kPanels[i].left, kPanels[i].top, 104, 28});
    b->setCheckable(true);
    b->setAutoDefault(false);
    const int code = kind.kind;
    connect(b, &QPushButton::clicked, this, [this, code] { KindPanelClick(code); });
    kindPanels_[i] = b;
  }

  auto* save = Named(new QPushButton(QStringLiteral("&Save"), p), "SaveButton", {10, 414, 104, 30});
  auto* cancel =
      Named(new QPushButton(QStringLiteral("&Cancel"), p), "CancelButton", {118, 414, 104, 30});
  for (QPushButton* b : {save, cancel}) b->setAutoDefault(false);
  // Clicking Cancel must not first leave a size box with a bad number and complain about it.
  cancel->setFocusPolicy(Qt::TabFocus);
  connect(save, &QPushButton::clicked, this, &PageDesigner::SaveButtonClick);
  connect(cancel, &QPushButton::clicked, this, &PageDesigner::CancelButtonClick);

  scrollBox_ = Named(new QScrollArea(this), "PageScroll", {kPanelWidth, 0, 640 - kPanelWidth, 480});
  scrollBox_->setBackgroundRole(QPalette::Dark);
  QPalette dark = scrollBox_->palette();
  dark.setColor(QPalette::Dark, QColor(128, 128, 128));
  dark.setColor(QPalette::Window, QColor(128, 128, 128));
  scrollBox_->setPalette(dark);
  pageArea_ = new QWidget;
  pageArea_->setObjectName(QStringLiteral("PageArea"));
  pageArea_->setAutoFillBackground(true);
  pageArea_->setPalette(dark);
  rulerTop_ = new QLabel(pageArea_);
  rulerTop_->setObjectName(QStringLiteral("RulerTop"));
  rulerLeft_ = new QLabel(pageArea_);
  rulerLeft_->setObjectName(QStringLiteral("RulerLeft"));
  pageImage_ = new PageCanvas(this, pageArea_);
  pageImage_->setObjectName(QStringLiteral("PageImage"));
  scrollBox_->setWidget(pageArea_);
}

void PageDesigner::BuildMenus() {
  menuBar_ = Named(new QMenuBar(this), "MainMenu", {0, 0, 640, 24});
  QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
  QAction* save = file->addAction(QStringLiteral("&Save"), this, &PageDesigner::MenuSaveClick);
  save->setObjectName(QStringLiteral("MenuSave"));
  save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &PageDesigner::MenuExitClick);
  exit->setObjectName(QStringLiteral("MenuExit"));
  exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));

  QMenu* objects = menuBar_->addMenu(QStringLiteral("&Objects"));
  objects->setObjectName(QStringLiteral("ObjectsMenu"));
  for (int k = 1; k <= kMaxLayoutObjects; ++k) {
    QAction* item = objects->addAction(QString(), this, [this, k] { ObjClick(k); });
    item->setObjectName(QStringLiteral("Obj%1").arg(k));
    item->setVisible(false);
    objItems_[k - 1] = item;
  }

  QMenu* zoom = menuBar_->addMenu(QStringLiteral("&Zoom"));
  zoomGroup_ = new QActionGroup(this);
  struct ZoomSpec {
    const char* name;
    const char* text;
    const char* key;
    void (PageDesigner::*handler)();
  };
  const ZoomSpec zooms[] = {
      {"MenuSmall", "&Small", "Ctrl+F1", &PageDesigner::MenuSmallClick},
      {"MenuMedium", "&Medium", "Ctrl+F2", &PageDesigner::MenuMediumClick},
      {"MenuLarge", "&Large", "Ctrl+F3", &PageDesigner::MenuLargeClick},
  };
  for (int z = 1; z <= 3; ++z) {
    const ZoomSpec& s = zooms[z - 1];
    QAction* item = zoom->addAction(QString::fromLatin1(s.text), this, s.handler);
    item->setObjectName(QString::fromLatin1(s.name));
    item->setShortcut(QKeySequence(QString::fromLatin1(s.key)));
    item->setCheckable(true);
    zoomGroup_->addAction(item);
    zoomItems_[z] = item;
  }

  QAction* help = menuBar_->addAction(QStringLiteral("&Help"), this, &PageDesigner::MenuHelpClick);
  help->setObjectName(QStringLiteral("MenuHelp"));
  help->setShortcut(QKeySequence(Qt::Key_F1));

  myPopUp_ = new QMenu(this);
  myPopUp_->setObjectName(QStringLiteral("MyPopUp"));
  auto add = [this](QMenu* menu, const char* name, const char* text,
                    void (PageDesigner::*handler)()) {
    QAction* a = menu->addAction(QString::fromLatin1(text), this, handler);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  popSize_ = add(myPopUp_, "PopSize", "&Size && Position...", &PageDesigner::PopSizeClick);
  popProperties_ = add(myPopUp_, "PopProperties", "&Properties", &PageDesigner::popPropertiesClick);
  popBorder_ = add(myPopUp_, "PopBorder", "B&order", &PageDesigner::PopBorderClick);
  popFill_ = add(myPopUp_, "PopFill", "&Fill", &PageDesigner::PopFillClick);
  myPopUp_->addSeparator();
  popChangeText_ =
      add(myPopUp_, "PopChangeText", "Change &Text...", &PageDesigner::PopChangeTextClick);
  popAlignment_ = myPopUp_->addMenu(QStringLiteral("Text &Alignment"));
  popAlignment_->setObjectName(QStringLiteral("PopAlignment"));
  popAlign_[1] = add(popAlignment_, "PopLeft", "&Left", &PageDesigner::PopLeftClick);
  popAlign_[2] = add(popAlignment_, "PopCenter", "&Center", &PageDesigner::PopCenterClick);
  popAlign_[3] = add(popAlignment_, "PopRight", "&Right", &PageDesigner::PopRightClick);
  for (int a = 1; a <= 3; ++a) popAlign_[a]->setCheckable(true);
  popTextFont_ = add(myPopUp_, "PopTextFont", "Text &Font", &PageDesigner::PopTextFontClick);
  myPopUp_->addSeparator();
  popBitmap_ = add(myPopUp_, "PopBitmap", "Load B&itmap", &PageDesigner::PopBitmapClick);
  myPopUp_->addSeparator();
  add(myPopUp_, "PopDelete", "&Delete", &PageDesigner::PopDeleteClick);
  myPopUp_->addSeparator();
  add(myPopUp_, "PopFront", "&Bring To Front", &PageDesigner::PopFrontClick);
  add(myPopUp_, "PopBack", "&Send To Back", &PageDesigner::PopBackClick);
}

// ---- Opening and placement ---------------------------------------------------------------------

void PageDesigner::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void PageDesigner::FormShow() {
  shown_ = true;
  PlaceDialog(this, false);
  PlaceWindow();
  pageImage_->SetScale(FormPercent(this) / 100.0);
  saved_ = false;
  writtenIndex_ = -1;
  const long zoom = AppSettings().zoom;
  zoom_ = zoom >= kZoomSmall && zoom <= kZoomLarge ? static_cast<int>(zoom) : kZoomMedium;
  AppSettings().zoom = zoom_;
  zoomItems_[zoom_]->setChecked(true);

  if (mode_ == DesignerMode::New) {
    MakeNewDesignLayout(*layout_);
  } else {
    RepairDesignLayout(*layout_);
    LoadPictures();
  }

  title_->setText(ToQString(layout_->layoutName.Get()));
  WriteSizeBoxes();
  inches_->setChecked(layout_->inches != 0);
  (layout_->portrait ? portraitButton_ : landscapeButton_)->setChecked(true);
  {
    const QSignalBlocker quiet(pageSize_);
    pageSize_->setCurrentIndex(pageSize_->findText(ToQString(layout_->paperName.Get())));
  }
  // A custom page shows its size at once, without the warning given when it is picked.
  ShowCustomControls(CustomChosen());

  SetDownsFalse();
  leftPressed_ = rightPressed_ = false;
  selected_ = 0;
  popUpObject_ = 0;
  SetButtons();
  BuildObjMenu();

  if (mode_ != DesignerMode::New) {
    const double factor = ZoomFactor(zoom_, layout_->zoom);
    if (factor != 0) RescaleObjects(*layout_, factor);
  }
  savedDesign_ = NamedDesign();
  RedrawLayout();
}

void PageDesigner::PlaceWindow() {
  // The window is sized by the user, not by the form's design: only its controls are scaled.
  const int menuHeight = menuBar_->sizeHint().height();
  setMinimumSize(panel_->width() + 200, menuHeight + panel_->height());
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const SettingsValues& s = AppSettings();
  const FormGlobals& g = Forms();
  // The remembered size is a design size, like every form's: it grows with the screen layout.
  const double factor = FormPercent(this) / 100.0;
  const int w = std::clamp<long>(std::lround(s.designerWidth * factor), minimumWidth(),
                                 std::max(minimumWidth(), g.screenWidth));
  const int h = std::clamp<long>(std::lround(s.designerHeight * factor), minimumHeight(),
                                 std::max(minimumHeight(), g.screenHeight));
  resize(w, h);
  // A remembered place off the screen (another monitor, a smaller screen) is pulled back onto it.
  move(std::clamp<long>(s.designerLeft, 0, std::max(0, g.screenWidth - w)),
       std::clamp<long>(s.designerTop, 0, std::max(0, g.screenHeight - h)));
  Arrange();
}

void PageDesigner::Arrange() {
  const int menuHeight = menuBar_->sizeHint().height();
  menuBar_->setGeometry(0, 0, width(), menuHeight);
  panel_->move(0, menuHeight);
  scrollBox_->setGeometry(panel_->width(), menuHeight, width() - panel_->width(),
                          height() - menuHeight);
}

void PageDesigner::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Arrange();
}

void PageDesigner::LoadPictures() {
  std::set<std::string> missing;
  for (int i = 0; i < UsedObjectCount(*layout_); ++i) {
    const LayoutObject& o = layout_->objects[i];
    if (o.kind != kKindBitmap || o.bitmapFile.Empty()) continue;
    const std::string path = o.bitmapFile.Get();
    if (pictures_.count(path) || missing.count(path)) continue;
    QImage picture = LoadLayoutPicture(path);
    if (picture.isNull()) {
      // Once per file; the object keeps its file name and shows the placeholder.
      missing.insert(path);
      ShowMessage("A bitmap for this layout could not be located.", "Warning");
      continue;
    }
    pictures_[path] = std::move(picture);
  }
}

void PageDesigner::done(int result) {
  closing_ = true;
  SettingsValues& s = AppSettings();
  s.designerLeft = x();
  s.designerTop = y();
  const double factor = FormPercent(this) / 100.0;
  s.designerWidth = std::lround(width() / factor);
  s.designerHeight = std::lround(height() / factor);
  pictures_.clear();
  QDialog::done(result);
}

void PageDesigner::keyPressEvent(QKeyEvent* event) {
  // Escape first lets go of an armed kind; only then does it close the window.
  if (event->key() == Qt::Key_Escape && armedKind_ != 0) {
    SetDownsFalse();
    return;
  }
  QDialog::keyPressEvent(event);
}

// ---- Drawing -----------------------------------------------------------------------------------

int PageDesigner::Unit() const {
  return DesignUnit(zoom_, layout_->inches != 0);
}

void PageDesigner::DrawRulers() {
  SetDesignZoom(*layout_, zoom_);
  const int u = Unit();
  const bool inches = layout_->inches != 0;
  const double scale = pageImage_->Scale();
  const int breadth = ScaledPixels(kRulerBreadth, scale);
  const QImage top = DrawRuler(layout_->pageWidth, u, inches, Qt::Horizontal, scale);
  const QImage left = DrawRuler(layout_->pageHeight, u, inches, Qt::Vertical, scale);
  rulerTop_->setPixmap(QPixmap::fromImage(top));
  rulerLeft_->setPixmap(QPixmap::fromImage(left));
  rulerTop_->setGeometry(breadth, 0, top.width(), top.height());
  rulerLeft_->setGeometry(0, breadth, left.width(), left.height());
}

void PageDesigner::DrawObjects() {
  const double scale = pageImage_->Scale();
  page_ = QImage(std::max(1, ScaledPixels(layout_->pixelWidth, scale)),
                 std::max(1, ScaledPixels(layout_->pixelHeight, scale)), QImage::Format_RGB32);
  DrawDesignPage(page_, *layout_, pictures_, scale);
  if (selected_ > 0) DrawHandles(page_, layout_->objects[selected_ - 1].bounds, scale);
  pageImage_->SetImage(page_);
}

void PageDesigner::RedrawLayout() {
  DrawRulers();
  DrawObjects();
  const int breadth = ScaledPixels(kRulerBreadth, pageImage_->Scale());
  pageImage_->setGeometry(breadth, breadth, page_.width(), page_.height());
  pageArea_->resize(page_.width() + breadth, page_.height() + breadth);
}

void PageDesigner::HighlightObj(int index) {
  selected_ = index;
  DrawObjects();
}

// ---- Kind buttons ------------------------------------------------------------------------------

void PageDesigner::SetDownsFalse() {
  armedKind_ = 0;
  for (QPushButton* panel : kindPanels_) {
    panel->setChecked(false);
    panel->setPalette(QPalette());
  }
  SetPointer(Pointer::Arrow);
}

void PageDesigner::KindPanelClick(int kind) {
  const bool wasArmed = armedKind_ == kind;
  SetDownsFalse();
  if (wasArmed) return;
  for (size_t i = 0; i < kindPanels_.size(); ++i) {
    if (LayoutKinds()[i].kind != kind) continue;
    QPushButton* panel = kindPanels_[i];
    if (!panel->isEnabled()) return;
    panel->setChecked(true);
    QPalette lime = panel->palette();
    lime.setColor(QPalette::Button, QColor(0, 255, 0));
    panel->setPalette(lime);
    armedKind_ = kind;
    SetPointer(Pointer::Drag);
  }
}

void PageDesigner::SetButtons() {
  for (size_t i = 0; i < kindPanels_.size(); ++i)
    kindPanels_[i]->setEnabled(KindAvailable(*layout_, LayoutKinds()[i].kind));
}

void PageDesigner::BuildObjMenu() {
  const int count = UsedObjectCount(*layout_);
  for (int k = 1; k <= kMaxLayoutObjects; ++k) {
    QAction* item = objItems_[k - 1];
    item->setVisible(k <= count);
    if (k <= count) item->setText(MenuText(layout_->objects[k - 1].objectName.Get()));
  }
}

// ---- Mouse -------------------------------------------------------------------------------------

void PageDesigner::SetPointer(Pointer pointer) {
  pointer_ = pointer;
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (pointer) {
    case Pointer::Arrow:
      break;
    case Pointer::Drag:
      shape = Qt::DragCopyCursor;
      break;
    case Pointer::Hand:
      shape = Qt::OpenHandCursor;
      break;
    case Pointer::Resize:
      switch (CursorOfHandle(activeHandle_)) {
        case HandleCursor::DiagonalDown:
          shape = Qt::SizeFDiagCursor;
          break;
        case HandleCursor::DiagonalUp:
          shape = Qt::SizeBDiagCursor;
          break;
        case HandleCursor::Vertical:
          shape = Qt::SizeVerCursor;
          break;
        case HandleCursor::Horizontal:
          shape = Qt::SizeHorCursor;
          break;
      }
      break;
  }
  pageImage_->setCursor(shape);
}

void PageDesigner::CheckAndSetCursor(QPoint point) {
  Pointer next = Pointer::Arrow;
  if (selected_ > 0) {
    const LayoutBounds& b = layout_->objects[selected_ - 1].bounds;
    if (ObjectAt(*layout_, ToDesign(point)) == selected_) next = Pointer::Hand;
    if (const int handle = HandleAt(b, ToDesign(point))) {
      activeHandle_ = handle;
      next = Pointer::Resize;
    }
  }
  SetPointer(next);
}

void PageDesigner::PageImageMouseDown(Qt::MouseButton button, QPoint point) {
  press_ = point;
  if (button == Qt::LeftButton) {
    leftPressed_ = true;
    rightPressed_ = false;
  } else if (button == Qt::RightButton && !leftPressed_) {
    rightPressed_ = true;
  }
}

void PageDesigner::PageImageMouseMove(Qt::MouseButtons buttons, QPoint point) {
  if (buttons == Qt::NoButton) {
    if (armedKind_ != 0) {
      SetPointer(Pointer::Drag);
      return;
    }
    CheckAndSetCursor(point);
    return;
  }
  if (!leftPressed_ || selected_ == 0) return;
  const LayoutBounds& b = layout_->objects[selected_ - 1].bounds;
  const int dx = point.x() - press_.x(), dy = point.y() - press_.y();
  if (pointer_ == Pointer::Hand)
    pageImage_->SetOutline(ToRect(MovedBounds(b, dx, dy)));
  else if (pointer_ == Pointer::Resize)
    pageImage_->SetOutline(ToRect(ResizedBounds(b, activeHandle_, dx, dy)));
}

void PageDesigner::PageImageMouseUp(Qt::MouseButton button, QPoint point) {
  pageImage_->SetOutline(std::nullopt);
  const bool left = button == Qt::LeftButton && leftPressed_;
  const bool right = button == Qt::RightButton && rightPressed_;
  if (!left && !right) return;
  leftPressed_ = rightPressed_ = false;
  const int hit = ObjectAt(*layout_, ToDesign(press_), ToDesign(point));

  if (right) {
    if (hit == 0) return;
    popUpObject_ = hit;
    SetupPopUp();
    const LayoutBounds& b = layout_->objects[hit - 1].bounds;
    const double scale = pageImage_->Scale();
    DoPopUp(
        pageImage_->mapToGlobal(QPoint(ScaledPixels(b.left, scale), ScaledPixels(b.top, scale))));
    return;
  }

  const int dx = point.x() - press_.x(), dy = point.y() - press_.y();
  switch (pointer_) {
    case Pointer::Drag: {
      const int kind = armedKind_;
      SetDownsFalse();
      DoNewObject(kind, press_);
      break;
    }
    case Pointer::Hand:
    case Pointer::Resize: {
      // A move or resize always acts on the selected object, wherever the pointer ends.
      if (selected_ == 0) break;
      LayoutBounds& b = layout_->objects[selected_ - 1].bounds;
      b = pointer_ == Pointer::Hand ? MovedBounds(b, dx, dy)
                                    : ResizedBounds(b, activeHandle_, dx, dy);
      DrawObjects();
      SetPointer(Pointer::Arrow);
      break;
    }
    case Pointer::Arrow:
      if (hit != 0) {
        HighlightObj(hit);
      } else if (selected_ != 0) {
        selected_ = 0;
        DrawObjects();
      }
      break;
  }
}

void PageDesigner::DoNewObject(int kind, QPoint at) {
  if (AddNewObject(*layout_, kind, at.x(), at.y(), Unit()) == 0) return;
  SetButtons();
  BuildObjMenu();
  DrawObjects();
}

// ---- Pop-up menu -------------------------------------------------------------------------------

void PageDesigner::ObjClick(int k) {
  if (k < 1 || k > UsedObjectCount(*layout_)) return;
  popUpObject_ = k;
  SetupPopUp();
  DoPopUp(mapToGlobal(QPoint(120, 30)));
}

LayoutObject* PageDesigner::PopObject() {
  if (popUpObject_ < 1 || popUpObject_ > UsedObjectCount(*layout_)) return nullptr;
  return &layout_->objects[popUpObject_ - 1];
}

void PageDesigner::SetupPopUp() {
  const LayoutObject* o = PopObject();
  if (!o) return;
  const ObjectCommands c = CommandsForKind(o->kind);
  popProperties_->setEnabled(c.properties);
  popBorder_->setEnabled(c.border);
  popFill_->setEnabled(c.fill);
  popChangeText_->setEnabled(c.changeText);
  popAlignment_->setEnabled(c.alignment);
  popTextFont_->setEnabled(c.font);
  popBitmap_->setEnabled(c.loadBitmap);
  for (int a = 1; a <= 3; ++a) popAlign_[a]->setChecked(o->alignment == a);
}

void PageDesigner::DoPopUp(QPoint global) {
  // Not exec(): the menu's commands run from its actions, and the window stays responsive.
  myPopUp_->popup(global);
}

void PageDesigner::RunOnPopObject(const DialogMaker& make) {
  const LayoutObject* o = PopObject();
  if (!o) return;
  const std::unique_ptr<ObjectDialog> dialog = make(*o);
  if (!RunObjectDialog(*dialog)) return;
  if (LayoutObject* target = PopObject()) *target = dialog->Object();
  DrawObjects();
}

void PageDesigner::PopSizeClick() {
  RunOnPopObject([this](const LayoutObject& o) {
    return std::make_unique<ObjectGeometryDialog>(o, Unit(), layout_->inches != 0,
                                                  layout_->pixelWidth, layout_->pixelHeight, this);
  });
}

void PageDesigner::popPropertiesClick() {
  RunOnPopObject([this](const LayoutObject& o) -> std::unique_ptr<ObjectDialog> {
    if (o.kind == kKindPuzzle) return std::make_unique<GridPropertiesDialog>(o, this);
    return std::make_unique<ObjectPropertiesDialog>(o, this);
  });
}

void PageDesigner::PopBorderClick() {
  RunOnPopObject(
      [this](const LayoutObject& o) { return std::make_unique<ObjectBorderDialog>(o, this); });
}

void PageDesigner::PopFillClick() {
  RunOnPopObject(
      [this](const LayoutObject& o) { return std::make_unique<ObjectFillDialog>(o, this); });
}

void PageDesigner::PopChangeTextClick() {
  RunOnPopObject(
      [this](const LayoutObject& o) { return std::make_unique<ObjectTextDialog>(o, this); });
}

void PageDesigner::SetAlignment(int alignment) {
  LayoutObject* o = PopObject();
  if (!o) return;
  o->alignment = static_cast<int16_t>(alignment);
  for (int a = 1; a <= 3; ++a) popAlign_[a]->setChecked(a == alignment);
}

void PageDesigner::PopTextFontClick() {
  LayoutObject* o = PopObject();
  if (!o) return;
  FontChoice initial;
  initial.font = QFont(ToQString(o->fontName.Get()));
  initial.font.setPointSize(std::max<int>(1, o->fontSize));
  initial.font.setBold(o->fontBold != 0);
  initial.font.setItalic(o->fontItalic != 0);
  initial.font.setUnderline(o->fontUnderline != 0);
  initial.font.setStrikeOut(o->fontStrikeOut != 0);
  initial.color = ColorFromWin(static_cast<int32_t>(o->fontColor));
  const std::optional<FontChoice> chosen = ChooseFont(this, initial);
  if (!chosen) return;
  const QFont& f = chosen->font;
  o->fontName.Set(FromQString(f.family()));
  int points = f.pointSize();
  if (points <= 0) points = qRound(f.pixelSize() * 72.0 / 96.0);
  o->fontSize = static_cast<int16_t>(std::clamp(points, 1, 999));
  o->fontColor = static_cast<uint32_t>(ColorToWin(chosen->color));
  o->fontBold = f.bold() ? 1 : 0;
  o->fontItalic = f.italic() ? 1 : 0;
  o->fontUnderline = f.underline() ? 1 : 0;
  o->fontStrikeOut = f.strikeOut() ? 1 : 0;
}

void PageDesigner::PopBitmapClick() {
  LayoutObject* o = PopObject();
  if (!o) return;
  const std::optional<std::string> file = RunFileDialog(
      this, FileDialogRequest::ForOpen("Load Bitmap File", kBitmapFilter, "BMP",
                                       ToQString(o->bitmapFile.Get()).toLocal8Bit().toStdString()));
  if (!file) return;
  const QString path = QString::fromLocal8Bit(file->c_str());
  if (!IsPictureFile(path)) {
    ShowMessage(kNotABitmap, "Error");
    return;
  }
  // The layout keeps the path in Windows-1252, at most 255 characters; a path it cannot keep
  // whole would lose the picture when the layout is opened again.
  const std::string stored = FromQString(path);
  if (!IsCp1252(path) || stored.size() > decltype(o->bitmapFile)::Capacity()) {
    ShowMessage(
        "The name of the file selected is too long or holds characters a page layout "
        "cannot keep.  Please choose another file.",
        "Error");
    return;
  }
  QImage picture = LoadLayoutPicture(stored);
  if (picture.isNull()) {
    ShowMessage(kNotABitmap, "Error");
    return;
  }
  pictures_[stored] = std::move(picture);
  o->bitmapFile.Set(stored);
  DrawObjects();
}

void PageDesigner::PopDeleteClick() {
  if (!PopObject()) return;
  DeleteObject(*layout_, popUpObject_);
  popUpObject_ = 0;
  selected_ = 0;
  DrawObjects();
  SetButtons();
  BuildObjMenu();
}

void PageDesigner::PopFrontClick() {
  if (!PopObject()) return;
  BringToFront(*layout_, popUpObject_);
  popUpObject_ = 0;
  selected_ = 0;
  BuildObjMenu();
  DrawObjects();
}

void PageDesigner::PopBackClick() {
  if (!PopObject()) return;
  SendToBack(*layout_, popUpObject_);
  popUpObject_ = 0;
  selected_ = 0;
  BuildObjMenu();
  DrawObjects();
}

void PageDesigner::MenuHelpClick() {
  ShowHelp(this, paths_, "WORD SEARCH OBJECTS");
}

// ---- Page --------------------------------------------------------------------------------------

bool PageDesigner::CustomChosen() const {
  return pageSize_->currentText() == QLatin1String("Custom");
}

void PageDesigner::ShowCustomControls(bool show) {
  for (QWidget* w : std::initializer_list<QWidget*>{widthLabel_, heightLabel_, pageWidth_,
                                                    pageHeight_, inches_}) {
    w->setVisible(show);
    w->setEnabled(show);
  }
}

void PageDesigner::WriteSizeBoxes() {
  pageWidth_->setText(TwoDecimals(layout_->pageWidth));
  pageHeight_->setText(TwoDecimals(layout_->pageHeight));
}

void PageDesigner::PageSizeChange() {
  const std::string name = FromQString(pageSize_->currentText());
  if (name == "Custom") {
    ShowCustomControls(true);
    WriteSizeBoxes();
    inches_->setChecked(layout_->inches != 0);
  } else {
    ShowCustomControls(false);
    if (const PaperSize* paper = FindPaper(name))
      SetPaper(*layout_, *paper, layout_->portrait != 0);
  }
  if (PaperNeedsWarning(name)) ShowMessage(kOddPaper, "Warning");
  RedrawLayout();
}

void PageDesigner::PortraitButtonClick() {
  SetOrientation(true);
}

void PageDesigner::LandscapeButtonClick() {
  SetOrientation(false);
}

void PageDesigner::SetOrientation(bool portrait) {
  if ((layout_->portrait != 0) == portrait) return;
  layout_->portrait = portrait ? 1 : 0;
  std::swap(layout_->pageWidth, layout_->pageHeight);
  // The boxes follow the page, or leaving one would turn the page back.
  WriteSizeBoxes();
  RedrawLayout();
}

void PageDesigner::InchesClick() {
  if (inches_->isChecked() == (layout_->inches != 0)) return;
  ChangeUnit(*layout_, inches_->isChecked());
  WriteSizeBoxes();
  RedrawLayout();
}

bool PageDesigner::CheckWidth() {
  const PageSizeCheck check = CheckPageWidth(FromQString(pageWidth_->text()), layout_->inches);
  if (!check.value) {
    ShowMessage(check.message, "Error");
    pageWidth_->setFocus();
    return false;
  }
  if (*check.value != layout_->pageWidth) {
    layout_->pageWidth = *check.value;
    RedrawLayout();
  }
  return true;
}

bool PageDesigner::CheckHeight() {
  const PageSizeCheck check = CheckPageHeight(FromQString(pageHeight_->text()), layout_->inches);
  if (!check.value) {
    ShowMessage(check.message, "Error");
    pageHeight_->setFocus();
    return false;
  }
  if (*check.value != layout_->pageHeight) {
    layout_->pageHeight = *check.value;
    RedrawLayout();
  }
  return true;
}

void PageDesigner::PageWidthExit() {
  CheckWidth();
}

void PageDesigner::PageHeightExit() {
  CheckHeight();
}

bool PageDesigner::eventFilter(QObject* watched, QEvent* event) {
  if (LeavesForAnotherControl(event) && !closing_ && isVisible()) {
    if (watched == pageWidth_) PageWidthExit();
    if (watched == pageHeight_) PageHeightExit();
  }
  return QDialog::eventFilter(watched, event);
}

// ---- Save and cancel ---------------------------------------------------------------------------

std::string PageDesigner::ChosenPaper() const {
  // A paper name the list does not know (a layout from elsewhere) is kept as it is.
  return pageSize_->currentIndex() >= 0 ? FromQString(pageSize_->currentText())
                                        : layout_->paperName.Get();
}

std::unique_ptr<PageLayout> PageDesigner::NamedDesign() const {
  auto design = std::make_unique<PageLayout>(*layout_);
  NameDesignedLayout(*design, FromQString(title_->text()), ChosenPaper(), zoom_);
  return design;
}

bool PageDesigner::DesignChanged() const {
  if (!savedDesign_) return false;
  // The saved design is named again at today's zoom: only its objects moved with the zoom.
  auto saved = std::make_unique<PageLayout>(*savedDesign_);
  NameDesignedLayout(*saved, saved->layoutName.Get(), saved->paperName.Get(), zoom_);
  return DesignsDiffer(*NamedDesign(), *saved);
}

void PageDesigner::SaveButtonClick() {
  if (CustomChosen() && (!CheckHeight() || !CheckWidth())) return;
  try {
    const OpResult result =
        SaveDesignedLayout(LayoutLibraryPath(paths_), mode_, recordIndex_,
                           FromQString(title_->text()), ChosenPaper(), zoom_, *layout_);
    if (!result.ok) {
      ShowMessage(result.message, result.caption, MsgButtons::Ok, MsgIcon::Warning);
      return;
    }
    writtenIndex_ = result.index;
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  saved_ = true;
  accept();
}

void PageDesigner::CancelButtonClick() {
  reject();
}

void PageDesigner::reject() {
  // Every way out without saving comes here; a stray Escape must not throw a design away.
  if (DesignChanged()) {
    switch (ShowMessage("Save changes to the page layout?", "Warning", MsgButtons::YesNoCancel)) {
      case MsgResult::Yes:
        // Saving closes the window; a save that fails or is refused has said why and stays.
        SaveButtonClick();
        return;
      case MsgResult::No:
        break;
      default:
        return;
    }
  }
  QDialog::reject();
}

void PageDesigner::ChangeZoom(int zoom) {
  if (zoom == zoom_) {
    zoomItems_[zoom_]->setChecked(true);
    return;
  }
  zoomItems_[zoom]->setChecked(true);
  RescaleObjects(*layout_, ZoomFactor(zoom, zoom_));
  if (savedDesign_) RescaleObjects(*savedDesign_, ZoomFactor(zoom, zoom_));
  zoom_ = zoom;
  AppSettings().zoom = zoom;
  RedrawLayout();
}

}  // namespace gw
