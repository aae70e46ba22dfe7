// A candidate picture that answers clicks and double clicks, and the keyboard the same way.
#pragma once

#include <QLabel>

namespace gw {

// Taking the focus (Tab) or Space selects it, as a click does; Enter opens it, as a double click
// does.
class PuzzleImage : public QLabel {
  Q_OBJECT

 public:
  explicit PuzzleImage(QWidget* parent = nullptr);

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace gw
