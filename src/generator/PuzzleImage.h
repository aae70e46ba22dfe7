// A candidate picture that answers clicks and double clicks.
#pragma once

#include <QLabel>

namespace gw {

class PuzzleImage : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace gw
