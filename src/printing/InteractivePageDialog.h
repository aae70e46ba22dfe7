// The interactive web page dialog: a puzzle saved as a page pupils solve in a browser.
#pragma once

#include <QDialog>

class QCheckBox;

namespace gw {

struct FinishedJob;

// "Interactive Web Page" over the preview's job: its puzzle and print options make the page.
// "&Save..." asks where (remembered as "Last File" of [Interactive Web Page], with the two
// choices) and writes the page; when that fails the message is shown and the dialog stays open.
class InteractivePageDialog : public QDialog {
  Q_OBJECT

 public:
  // The job outlives the dialog and holds a puzzle that InteractivePageRefusal accepts.
  explicit InteractivePageDialog(const FinishedJob& job, QWidget* parent = nullptr);

  void SaveButtonClick();

 private:
  const FinishedJob& job_;
  QCheckBox* showAnswers_;
  QCheckBox* openWhenSaved_;
};

}  // namespace gw
