// Program entry: one instance, the screen size, the main window and the message loop.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <csignal>

#include "app/MainWin.h"
#include "app/SingleInstance.h"
#include "base/AppPaths.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"

int main(int argc, char** argv) {
  // Past a file size limit a write should fail and be reported, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gridwright 98"));
  Q_INIT_RESOURCE(gridwright);

  const std::unique_ptr<QLockFile> lock = gw::AcquireInstanceLock(gw::DefaultInstanceLockPath());
  if (!lock) {
    gw::ShowMessage("Program is already running", "");
    return 0;
  }

  const gw::AppPaths paths = gw::AppPaths::FromRunningProgram();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    gw::Forms().screenWidth = screen->size().width();
    gw::Forms().screenHeight = screen->size().height();
  }

  gw::TMainWin window(paths);
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.ShowStartupTip(); });
  return app.exec();
}
