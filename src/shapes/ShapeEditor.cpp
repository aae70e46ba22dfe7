// Shape Creator: the shape editor dialog.
#include "shapes/ShapeEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "base/IoError.h"
#include "base/TextCodec.h"
#include "base/TextUtils.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ShapePreview.h"
#include "widgets/FormLayout.h"
#include "widgets/Help.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

constexpr int kTitleBoxLength = 30;
const QColor kUsableRed(255, 0, 0);

// The drawing image: shows the grid and hands its own mouse presses and releases, the keys
// pressed while it has the focus and the focus coming and going to the editor.
class ShapeImage : public QLabel {
 public:
  using Handler = std::function<void(Qt::MouseButton, QPoint)>;
  using KeyHandler = std::function<bool(const QKeyEvent*)>;
  ShapeImage(QWidget* parent, Handler down, Handler up, KeyHandler key,
             std::function<void()> focusChanged)
      : QLabel(parent),
        down_(std::move(down)),
        up_(std::move(up)),
        key_(std::move(key)),
        focusChanged_(std::move(focusChanged)) {
    setFocusPolicy(Qt::StrongFocus);
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override { down_(e->button(), e->position().toPoint()); }
  void mouseReleaseEvent(QMouseEvent* e) override { up_(e->button(), e->position().toPoint()); }
  void keyPressEvent(QKeyEvent* e) override {
    if (!key_(e)) QLabel::keyPressEvent(e);
  }
  void focusInEvent(QFocusEvent* e) override {
    QLabel::focusInEvent(e);
    focusChanged_();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QLabel::focusOutEvent(e);
    focusChanged_();
  }

 private:
  Handler down_, up_;
  KeyHandler key_;
  std::function<void()> focusChanged_;
};

enum class Arrow { Left, Up, Right, Down };

// A filled triangle pointing the way the grid moves.
QIcon ArrowIcon(Arrow arrow) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  QPolygonF t;
  switch (arrow) {
    case Arrow::Left:
      t << QPointF(3, 8) << QPointF(12, 2) << QPointF(12, 14);
      break;
    case Arrow::Right:
      t << QPointF(13, 8) << QPointF(4, 2) << QPointF(4, 14);
      break;
    case Arrow::Up:
      t << QPointF(8, 3) << QPointF(2, 12) << QPointF(14, 12);
      break;
    case Arrow::Down:
      t << QPointF(8, 13) << QPointF(2, 4) << QPointF(14, 4);
      break;
  }
  p.drawPolygon(t);
  return QIcon(pixmap);
}

}  // namespace

ShapeEditor::ShapeEditor(const AppState& state, int mode, long recordIndex, QWidget* parent)
    : QDialog(parent),
      libraryPath_(ShapeLibraryPath(state.paths)),
      currentShape_(state.currentShape),
      mode_(mode),
      recordIndex_(recordIndex) {
  setWindowTitle(tr("Shape Creator"));
  SetHelpTopic(this, "Shape editor");
  resize(604, 417);
  setFont(DesignFont(15));
  MakeNewShape(working_);
  snapshot_ = working_;

  img_ = Named(new ShapeImage(
                   this, [this](Qt::MouseButton b, QPoint p) { ImgMouseDown(b, p); },
                   [this](Qt::MouseButton b, QPoint p) { ImgMouseUp(b, p); },
                   [this](const QKeyEvent* e) { return ImgKeyPress(e); },
                   [this] {
                     if (!image_.isNull()) ShowImage();
                   }),
               "Img", QRect(8, 8, 401, 401));
  img_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  img_->setAccessibleName(tr("Shape grid"));

  const int x = 424;
  auto* titleLabel = Named(new QLabel(tr("Title"), this), "TitleLabel", QRect(x, 8, 172, 18));
  title_ = Named(new QLineEdit(this), "Title", QRect(x, 27, 172, 25));
  title_->setMaxLength(kTitleBoxLength);
  titleLabel->setBuddy(title_);
  auto* widthLabel = Named(new QLabel(tr("Width"), this), "WidthLabel", QRect(x, 60, 80, 18));
  widthEdit_ = Named(new QLineEdit(this), "WidthEdit", QRect(x, 79, 60, 25));
  widthLabel->setBuddy(widthEdit_);
  auto* heightLabel =
      Named(new QLabel(tr("Height"), this), "HeightLabel", QRect(x + 92, 60, 80, 18));
  heightEdit_ = Named(new QLineEdit(this), "HeightEdit", QRect(x + 92, 79, 60, 25));
  heightLabel->setBuddy(heightEdit_);
  for (QLineEdit* box : {widthEdit_, heightEdit_}) {
    box->setMaxLength(2);
    box->installEventFilter(this);
  }

  auto* shift = Named(new QGroupBox(tr("Shift Grid"), this), "ShiftGroup", QRect(x, 114, 172, 110));
  auto arrowButton = [&](const char* name, const QString& tip, Arrow arrow, QRect r,
                         void (ShapeEditor::*handler)()) {
    auto* b = Named(new QPushButton(shift), name, r);
    b->setIcon(ArrowIcon(arrow));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
  };
  arrowButton("UpButton", tr("Shift Up"), Arrow::Up, QRect(70, 22, 32, 26),
              &ShapeEditor::UpButtonClick);
  arrowButton("LeftButton", tr("Shift Left"), Arrow::Left, QRect(32, 50, 32, 26),
              &ShapeEditor::LeftButtonClick);
  arrowButton("RightButton", tr("Shift Right"), Arrow::Right, QRect(108, 50, 32, 26),
              &ShapeEditor::RightButtonClick);
  arrowButton("DownButton", tr("Shift Down"), Arrow::Down, QRect(70, 78, 32, 26),
              &ShapeEditor::DownButtonClick);

  auto* adjust =
      Named(new QGroupBox(tr("Adjust Grid"), this), "AdjustGroup", QRect(x, 232, 172, 62));
  auto* reverse =
      Named(new QPushButton(tr("&Reverse"), adjust), "ReverseButton", QRect(8, 24, 74, 28));
  undoButton_ = Named(new QPushButton(tr("&Undo"), adjust), "UndoButton", QRect(90, 24, 74, 28));
  for (QPushButton* b : {reverse, undoButton_}) b->setAutoDefault(false);
  connect(reverse, &QPushButton::clicked, this, &ShapeEditor::ReverseButtonClick);
  connect(undoButton_, &QPushButton::clicked, this, &ShapeEditor::UndoButtonClick);

  auto* notes = Named(new QGroupBox(tr("Notes"), this), "NotesGroup", QRect(x, 302, 172, 66));
  Named(new QLabel(tr("Left Click To Toggle"), notes), "ToggleNote", QRect(10, 22, 156, 18));
  Named(new QLabel(tr("Right Click To Fill"), notes), "FillNote", QRect(10, 42, 156, 18));

  auto* save = Named(new QPushButton(tr("&Save"), this), "SaveButton", QRect(x, 379, 82, 30));
  save->setDefault(true);
  auto* cancel =
      Named(new QPushButton(tr("&Cancel"), this), "CancelButton", QRect(x + 90, 379, 82, 30));
  cancel->setAutoDefault(false);
  // Clicking Cancel must not first leave a box with a bad number and complain about it.
  cancel->setFocusPolicy(Qt::TabFocus);
  connect(save, &QPushButton::clicked, this, &ShapeEditor::SaveButtonClick);
  connect(cancel, &QPushButton::clicked, this, &ShapeEditor::CancelButtonClick);
  // The grid is made first but filled in after its name and size: Tab goes title, width, height,
  // then the grid. (Set once every control exists: Qt does not move a widget behind the last.)
  setTabOrder(heightEdit_, img_);
}

void ShapeEditor::showEvent(QShowEvent* event) {
  if (!shown_) FormShow();
  QDialog::showEvent(event);
}

void ShapeEditor::FormShow() {
  shown_ = true;
  PlaceDialog(this, false);
  if (mode_ == kNew)
    MakeNewShape(working_);
  else
    working_ = currentShape_;
  snapshot_ = working_;

  const QString name = ToQString(working_.shapeName.Get());
  // The box takes 30 characters when typing, but a longer name from an import or from repeated
  // copying is shown and kept whole.
  title_->setMaxLength(std::max<int>(kTitleBoxLength, name.size()));
  title_->setText(name);
  widthEdit_->setText(QString::fromStdString(FormatPlain(ClampedShapeWidth(working_))));
  heightEdit_->setText(QString::fromStdString(FormatPlain(ClampedShapeHeight(working_))));

  undoButton_->setEnabled(false);
  leftPending_ = rightPending_ = false;
  DrawGrid();
  saved_ = false;
}

void ShapeEditor::DrawGrid() {
  image_ = QImage(img_->size(), QImage::Format_RGB32);
  cellSize_ = EditorCellSize(image_.width(), image_.height(), working_);
  DrawShapeGrid(image_, working_, cellSize_, kUsableRed, palette().color(QPalette::Button));
  ShowImage();
}

void ShapeEditor::ShowImage() {
  QImage shown = image_;
  // The keyboard's cell, framed while the grid has the focus.
  if (img_->hasFocus() && InsideShape(working_, cursor_)) {
    QPainter p(&shown);
    p.setPen(QPen(Qt::blue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect((cursor_.column - 1) * cellSize_ + 1, (cursor_.row - 1) * cellSize_ + 1,
               cellSize_ - 1, cellSize_ - 1);
  }
  img_->setPixmap(QPixmap::fromImage(shown));
  img_->setAccessibleDescription(
      tr("%1 by %2 cells, %3 usable; row %4, column %5: %6")
          .arg(ClampedShapeWidth(working_))
          .arg(ClampedShapeHeight(working_))
          .arg(UsableCells(working_))
          .arg(cursor_.row)
          .arg(cursor_.column)
          .arg(working_.Usable(cursor_.row, cursor_.column) ? tr("usable") : tr("not used")));
}

// ---- Width and height ------------------------------------------------------------------------

bool ShapeEditor::CheckSize(QLineEdit* box, int16_t& field, const QString& message) {
  const long value = ReadNumber(Trim(FromQString(box->text())));
  if (value < 5 || value > 30) {
    ShowMessage(message, "Error");
    box->setFocus();
    return false;
  }
  if (value != field) {
    field = static_cast<int16_t>(value);
    DrawGrid();
  }
  return true;
}

bool ShapeEditor::CheckWidth() {
  return CheckSize(widthEdit_, working_.shapeWidth,
                   tr("Width must be between 5 and 30.  Please re-enter width."));
}

bool ShapeEditor::CheckHeight() {
  return CheckSize(heightEdit_, working_.shapeHeight,
                   tr("Height must be between 5 and 30.  Please re-enter height."));
}

void ShapeEditor::WidthEditExit() {
  CheckWidth();
}
void ShapeEditor::HeightEditExit() {
  CheckHeight();
}

bool ShapeEditor::eventFilter(QObject* watched, QEvent* event) {
  if (LeavesForAnotherControl(event) && !closing_ && isVisible()) {
    if (watched == widthEdit_) WidthEditExit();
    if (watched == heightEdit_) HeightEditExit();
  }
  return QDialog::eventFilter(watched, event);
}

// ---- Shifts, reverse, undo -------------------------------------------------------------------

void ShapeEditor::TakeSnapshot() {
  snapshot_ = working_;
  undoButton_->setEnabled(true);
}

void ShapeEditor::LeftButtonClick() {
  TakeSnapshot();
  ShiftLeft(working_);
  DrawGrid();
}

void ShapeEditor::RightButtonClick() {
  TakeSnapshot();
  ShiftRight(working_);
  DrawGrid();
}

void ShapeEditor::UpButtonClick() {
  TakeSnapshot();
  ShiftUp(working_);
  DrawGrid();
}

void ShapeEditor::DownButtonClick() {
  TakeSnapshot();
  ShiftDown(working_);
  DrawGrid();
}

void ShapeEditor::ReverseButtonClick() {
  undoButton_->setEnabled(false);
  ReverseCells(working_);
  DrawGrid();
}

void ShapeEditor::UndoButtonClick() {
  // The boxes keep what they show; Save reads them again.
  working_ = snapshot_;
  DrawGrid();
  undoButton_->setEnabled(false);
}

// ---- Mouse -----------------------------------------------------------------------------------

void ShapeEditor::ImgMouseDown(Qt::MouseButton button, QPoint position) {
  if (button == Qt::LeftButton) {
    leftPress_ = position;
    leftPending_ = true;
  } else if (button == Qt::RightButton) {
    rightPress_ = position;
    rightPending_ = true;
  }
}

void ShapeEditor::ImgMouseUp(Qt::MouseButton button, QPoint position) {
  if (button == Qt::LeftButton && leftPending_) {
    leftPending_ = false;
    TestForMatch(leftPress_, position);
  } else if (button == Qt::RightButton && rightPending_) {
    rightPending_ = false;
    TestForMatchFill(rightPress_, position);
  }
}

bool ShapeEditor::ImgKeyPress(const QKeyEvent* event) {
  const int width = ClampedShapeWidth(working_), height = ClampedShapeHeight(working_);
  // The grid may have shrunk under the keyboard's cell.
  cursor_ = {std::clamp(cursor_.row, 1, height), std::clamp(cursor_.column, 1, width)};
  ShapeCell moved = cursor_;
  switch (event->key()) {
    case Qt::Key_Left:
      moved.column = std::max(1, cursor_.column - 1);
      break;
    case Qt::Key_Right:
      moved.column = std::min(width, cursor_.column + 1);
      break;
    case Qt::Key_Up:
      moved.row = std::max(1, cursor_.row - 1);
      break;
    case Qt::Key_Down:
      moved.row = std::min(height, cursor_.row + 1);
      break;
    case Qt::Key_Space:
      // Space as a left click toggles the cell, Shift+Space as a right click fills its region.
      if (event->modifiers() & Qt::ShiftModifier)
        FillAt(cursor_);
      else
        ToggleAt(cursor_);
      return true;
    default:
      return false;
  }
  cursor_ = moved;
  ShowImage();
  return true;
}

void ShapeEditor::TestForMatch(QPoint press, QPoint release) {
  const ShapeCell cell = CellAt(press.x(), press.y(), cellSize_);
  if (!(cell == CellAt(release.x(), release.y(), cellSize_))) return;
  ToggleAt(cell);
}

void ShapeEditor::ToggleAt(ShapeCell cell) {
  if (!InsideShape(working_, cell)) return;
  cursor_ = cell;
  undoButton_->setEnabled(false);
  ToggleCell(working_, cell);
  PaintShapeCell(image_, cell, cellSize_,
                 working_.Usable(cell.row, cell.column) ? kUsableRed : QColor(Qt::white));
  ShowImage();
}

void ShapeEditor::TestForMatchFill(QPoint press, QPoint release) {
  const ShapeCell cell = CellAt(press.x(), press.y(), cellSize_);
  if (!(cell == CellAt(release.x(), release.y(), cellSize_))) return;
  FillAt(cell);
}

void ShapeEditor::FillAt(ShapeCell cell) {
  if (!InsideShape(working_, cell)) return;
  cursor_ = cell;
  const bool target = working_.Usable(cell.row, cell.column);
  TakeSnapshot();
  const QColor color = target ? QColor(Qt::white) : kUsableRed;
  for (const ShapeCell& changed : FillRegion(working_, cell))
    PaintShapeCell(image_, changed, cellSize_, color);
  ShowImage();
}

// ---- Save and cancel -------------------------------------------------------------------------

void ShapeEditor::SaveButtonClick() {
  if (!CheckHeight() || !CheckWidth()) return;
  working_.shapeName.Set(Trim(FromQString(title_->text())));
  try {
    const std::optional<long> index = mode_ == kModify
                                          ? ReplaceShape(libraryPath_, recordIndex_, working_)
                                          : AppendShape(libraryPath_, working_);
    if (!index) {
      ShowMessage(tr("Unable to add shape."), "Disk Error", MsgButtons::Ok, MsgIcon::Warning);
      return;
    }
    writtenIndex_ = *index;
  } catch (const IoError& e) {
    ShowIoError(e.what());
    return;
  }
  saved_ = true;
  accept();
}

void ShapeEditor::CancelButtonClick() {
  reject();
}

void ShapeEditor::done(int result) {
  closing_ = true;
  QDialog::done(result);
}

}  // namespace gw
