// The metafile window: makes a WMF or EMF of the previewed page while the user waits.
#pragma once

#include <QDialog>
#include <string>

#include "base/OpResult.h"
#include "page/PageExport.h"

class QLabel;
class QPushButton;

namespace gw {

// "Metafile Creation": shown while the metafile is drawn and saved, then "Metafile Created" with
// its "&Ok" button. A failure is reported with its message and the window closes.
class MetafileExportDialog : public QDialog {
  Q_OBJECT

 public:
  MetafileExportDialog(const FinishedJob& job, MetafileKind kind, std::string fileName,
                       QWidget* parent = nullptr);

  // Makes the metafile; runs once, when the window is first shown.
  void FormActivate();
  void OkButtonClick();

  const OpResult& Result() const { return result_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const FinishedJob& job_;
  MetafileKind kind_;
  std::string fileName_;
  bool started_ = false;
  OpResult result_ = OpResult::Failure("", "");
  QLabel* label_;
  QPushButton* ok_;
};

}  // namespace gw
