// Files opened by the desktop's own programs.
#include "widgets/DesktopFiles.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace gw {

namespace {

DesktopOpener& Opener() {
  static DesktopOpener opener;
  return opener;
}

}  // namespace

bool OpenWithDesktop(const std::string& path) {
  if (Opener()) return Opener()(path);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLocal8Bit(path.c_str())));
}

void SetDesktopOpener(DesktopOpener opener) {
  Opener() = std::move(opener);
}

}  // namespace gw
