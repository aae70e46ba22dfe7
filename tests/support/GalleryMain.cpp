// Writes a picture of every window of the program: gallery OUTDIR [SCALE] [LANGUAGE].
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "support/Gallery.h"
#include "widgets/FormLayout.h"
#include "widgets/UiLanguage.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gallery OUTDIR [SCALE] [LANGUAGE]\n");
    return 2;
  }
  // The windows' language: en, de, fr, es, it, nl or sv.
  if (argc > 3 && !gw::ApplyUiLanguage(QString::fromLocal8Bit(argv[3]))) {
    std::fprintf(stderr, "gallery: no translation for %s\n", argv[3]);
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  gw::test::GalleryContext context(GW_BIN_DIR, GW_WORD_LIST);
  gw::test::SetScale(argc > 2 ? std::atof(argv[2]) : 1.0);
  int written = 0;
  for (const gw::test::GalleryWindow& entry : gw::test::AllWindows()) {
    std::unique_ptr<QWidget> window = entry.make(context);
    gw::test::ShowAndSettle(window.get());
    const QString file = out + QLatin1Char('/') + QString::fromStdString(entry.name) + ".png";
    if (window->grab().save(file)) {
      std::printf("%s\n", file.toLocal8Bit().constData());
      ++written;
    }
    window->close();
  }
  return written > 0 ? 0 : 3;
}
