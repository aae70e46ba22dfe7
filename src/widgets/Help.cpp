// Opening help: the packed collection is registered once and shown in the help window.
#include "widgets/Help.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QResource>
#include <QWidget>

#include "widgets/HelpWindow.h"
#include "widgets/Messages.h"

namespace gw {

namespace {

std::function<void(const std::string&)>& Handler() {
  static std::function<void(const std::string&)> handler;
  return handler;
}

// The collection is a resource file of its own, mounted here once it has been read.
constexpr char kMount[] = "/gridwright-help";

bool Mount(const std::string& file) {
  static QString mounted;
  const QString path = QFileInfo(QString::fromLocal8Bit(file.c_str())).absoluteFilePath();
  if (mounted == path) return true;
  if (!mounted.isEmpty()) QResource::unregisterResource(mounted, QString::fromLatin1(kMount));
  mounted.clear();
  if (!QResource::registerResource(path, QString::fromLatin1(kMount))) return false;
  mounted = path;
  return true;
}

}  // namespace

void SetHelpHandler(std::function<void(const std::string& keyword)> handler) {
  Handler() = std::move(handler);
}

void ShowHelp(QWidget* parent, const AppPaths& paths, const std::string& keyword) {
  if (Handler()) {
    Handler()(keyword);
    return;
  }
  const std::string file = paths.ProgramFile(kHelpFileName);
  if (!QFileInfo(QString::fromLocal8Bit(file.c_str())).isFile() || !Mount(file)) {
    ShowMessage(QCoreApplication::translate(
                    "gw::Help",
                    "The help file could not be located.  Please make sure the help file was "
                    "installed."),
                "Error");
    return;
  }
  auto* viewer = new HelpWindow(QStringLiteral(":") + QString::fromLatin1(kMount), parent);
  if (!viewer->Loaded()) {
    delete viewer;
    ShowMessage(QCoreApplication::translate("gw::Help",
                                            "The help file is damaged.  Please install it again."),
                "Error");
    return;
  }
  viewer->setAttribute(Qt::WA_DeleteOnClose);
  if (keyword.empty())
    viewer->OpenContents();
  else
    viewer->OpenKeyword(keyword);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace gw
