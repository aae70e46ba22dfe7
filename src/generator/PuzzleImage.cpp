// Clickable candidate picture.
#include "generator/PuzzleImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace gw {

PuzzleImage::PuzzleImage(QWidget* parent) : QLabel(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void PuzzleImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(event);
}

void PuzzleImage::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

void PuzzleImage::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      emit clicked();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        emit doubleClicked();
        return;
      }
      break;
    default:
      break;
  }
  QLabel::keyPressEvent(event);
}

void PuzzleImage::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  // Moving onto a picture chooses it, so Tab alone goes through the four candidates.
  emit clicked();
  update();
}

void PuzzleImage::focusOutEvent(QFocusEvent* event) {
  QLabel::focusOutEvent(event);
  update();
}

void PuzzleImage::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter p(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(3, 3, -3, -3);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

}  // namespace gw
