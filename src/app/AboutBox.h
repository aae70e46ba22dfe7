// The About box.
#pragma once

#include <QDialog>

namespace gw {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace gw
