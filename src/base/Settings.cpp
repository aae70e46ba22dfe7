// Program-wide settings values and their defaults.
#include "base/Settings.h"

namespace gw {

SettingsValues SettingsValues::Defaults(const AppPaths& paths) {
  SettingsValues s;
  const std::string dir = paths.startupDir;
  for (std::string* name :
       {&s.lastImportPuzzleFile, &s.lastExportPuzzleFile, &s.lastImportShapeFile,
        &s.lastExportShapeFile, &s.lastImportLayoutFile, &s.lastExportLayoutFile,
        &s.lastImportWordFile, &s.lastExportWordFile, &s.lastExportBitmapFile,
        &s.lastExportJpegFile, &s.lastExportEmfFile, &s.lastExportWmfFile, &s.lastExportHtmlFile,
        &s.lastExportPdfFile, &s.lastExportPngFile, &s.lastExportSvgFile})
    *name = dir;
  s.lastInteractivePageFile = dir;
  s.lastGroup = paths.StartupFile("DEFAULT.QL3");
  return s;
}

SettingsValues& AppSettings() {
  static SettingsValues settings;
  return settings;
}

}  // namespace gw
