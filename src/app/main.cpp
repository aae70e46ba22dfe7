// Program entry: one instance, the user's data folder, the screen size, the main window and the
// message loop. The one optional argument is a puzzle group to open (as the desktop passes it).
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <iostream>

#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "base/AppPaths.h"
#include "widgets/FormLayout.h"
#include "widgets/Messages.h"

namespace {

// --help and --version are answered before QApplication exists: it needs a display, and neither
// answer may open a window or take the single-instance lock. True when one was answered.
bool AnswerInformationOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "gridwright " GW_VERSION "\n";
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout
          << "Usage: gridwright [FILE.QL3]\n"
             "Opens Gridwright, with the puzzle group FILE.QL3 when one is given.\n"
             "\n"
             "  --help     this text\n"
             "  --version  the version\n"
             "Qt's own options (-platform NAME, -style NAME, ...) work as in any Qt program.\n"
             "gridwright-make makes, lists, draws and prints puzzles without windows.\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOption(argc, argv)) return 0;
  // Past a file size limit a write should fail and be reported, not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Gridwright 98"));
  QApplication::setDesktopFileName(QStringLiteral("gridwright"));
  Q_INIT_RESOURCE(gridwright);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/gridwright/desktop/gridwright-256.png")));

  const std::unique_ptr<QLockFile> lock = gw::AcquireInstanceLock(gw::DefaultInstanceLockPath());
  if (!lock) {
    gw::ShowMessage("Program is already running", "");
    return 0;
  }

  const gw::AppPaths paths = gw::AppPaths::FromRunningProgram();
  if (!gw::PrepareUserFolder(paths))
    gw::ShowMessage("Unable to prepare the folder for your puzzle data: " + paths.userDir + ".",
                    "Error");
  gw::StartWithSamples(paths);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    gw::Forms().screenWidth = screen->size().width();
    gw::Forms().screenHeight = screen->size().height();
  }

  gw::MainWindow window(paths);
  window.show();
  const QStringList args = QApplication::arguments();
  if (args.size() > 1)
    window.OpenGroupFile(QFileInfo(args[1]).absoluteFilePath().toLocal8Bit().toStdString());
  QTimer::singleShot(0, &window, [&window] { window.ShowStartupTip(); });
  return app.exec();
}
