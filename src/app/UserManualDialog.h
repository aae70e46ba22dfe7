// The User Manual notice: opens the manual document when it is installed.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "base/AppPaths.h"

namespace gw {

// The printable manual, made from the help pages: beside the program, or in the installed copy's
// documents.
inline constexpr const char* kManualFileName = "QUARL.pdf";

class UserManualDialog : public QDialog {
  Q_OBJECT

 public:
  UserManualDialog(const AppPaths& paths, QWidget* parent = nullptr);

  void OkClick();

  // Opens a document with its associated application, false when none could be started
  // (replaceable in tests).
  static void SetOpener(std::function<bool(const std::string&)> opener);

 private:
  AppPaths paths_;
};

}  // namespace gw
