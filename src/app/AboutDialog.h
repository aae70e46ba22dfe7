// The About box.
#pragma once

#include <QDialog>

namespace gw {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace gw
