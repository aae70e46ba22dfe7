// gridwright-make --layouts: lists the page layout library and imports, exports, deletes and
// marks the default layout, as the program's layout library dialog does, and adds or replaces a
// layout made from a readable description, as the page designer saves one.
#include <filesystem>
#include <iostream>
#include <memory>

#include "base/AppPaths.h"
#include "base/FileIo.h"
#include "base/IoError.h"
#include "base/Settings.h"
#include "base/SettingsFile.h"
#include "layouts/LayoutDesign.h"
#include "layouts/LayoutLibrary.h"
#include "tools/LayoutText.h"
#include "tools/MakeCommands.h"

namespace gw::cli {
namespace {

// A refusal or a file to import that will not do is the user's input; a failure of the library
// or of the file written is not.
int Failed(const OpResult& result) {
  if (result.refused) return Fail(kBadInput, result.message);
  if (!result.detail.empty()) return Fail(kCannotDo, result.detail);
  return Fail(result.caption == "Disk Error" ? kCannotDo : kBadInput, result.message);
}

// No description of twenty objects comes near this; a longer file is not read at all.
constexpr size_t kMaxDescriptionBytes = 1 << 20;

// The layout of a description file, or a message saying what is wrong with it.
std::unique_ptr<PageLayout> ReadDescription(const std::string& file, std::string& error) {
  std::optional<fileio::FileHead> text;
  try {
    text = fileio::ReadFileHead(file, kMaxDescriptionBytes);
  } catch (const IoError& e) {
    error = e.what();
    return nullptr;
  }
  if (!text) {
    error = file + ": cannot be read";
    return nullptr;
  }
  if (text->more) {
    error = file + " is larger than 1 MB: no layout description is";
    return nullptr;
  }
  auto layout = std::make_unique<PageLayout>();
  if (!ParseLayoutText(text->bytes, *layout, error)) {
    error = file + ": " + error;
    return nullptr;
  }
  return layout;
}

}  // namespace

int RunLayouts(const Args& args) {
  std::string libraryDir = DefaultLibraryDir();
  std::string action, file;
  std::optional<long> record;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesRecord =
        a == "--export" || a == "--delete" || a == "--default" || a == "--replace";
    size_t values = 0;
    if (a == "--export" || a == "--replace")
      values = 2;
    else if (takesRecord || a == "--library" || a == "--import" || a == "--add")
      values = 1;
    else
      return UsageError("unknown option " + a);
    if (i + values >= args.size())
      return UsageError(a + (values == 2 ? " needs a record and a file" : " needs a value"));
    if (a == "--library") {
      libraryDir = args[++i];
      continue;
    }
    if (!action.empty())
      return UsageError(
          "one of --import, --export, --delete, --default, --add, --replace at a time");
    action = a;
    if (takesRecord) {
      record = Number(args[++i], 0, 1000000);
      if (!record) return UsageError(a + " takes a record number");
    }
    if (a == "--import" || a == "--export" || a == "--add" || a == "--replace") file = args[++i];
  }

  std::error_code ec;
  if (!std::filesystem::is_directory(libraryDir, ec))
    return Fail(kBadInput, std::filesystem::exists(libraryDir, ec)
                               ? libraryDir + " is not a folder"
                               : "the folder " + libraryDir + " does not exist");
  const std::string library = LayoutLibraryPath(AppPaths{libraryDir, libraryDir});
  // The default page lives in the settings of the current folder, as for the program.
  const AppPaths here = AppPaths::FromRunningProgram();
  SettingsValues settings = SettingsValues::Defaults(here);
  LoadSettings(SettingsFilePath(here), settings);
  const long before = settings.defaultPage;

  try {
    const long count = static_cast<long>(ListLayouts(library).size());
    if (record && *record >= count)
      return Fail(kBadInput, "the library has no layout " + std::to_string(*record));
    if (action == "--import") {
      if (const OpResult r = ImportLayout(library, file); !r.ok) return Failed(r);
    } else if (action == "--export") {
      if (const OpResult r = ExportLayout(library, *record, file); !r.ok) return Failed(r);
    } else if (action == "--delete") {
      if (const OpResult r = DeleteLayout(library, *record); !r.ok) return Failed(r);
      settings.defaultPage = DefaultAfterDelete(settings.defaultPage, *record);
    } else if (action == "--default") {
      settings.defaultPage = *record;
    } else if (action == "--add" || action == "--replace") {
      std::string error;
      const std::unique_ptr<PageLayout> layout = ReadDescription(file, error);
      if (!layout) return Fail(kBadInput, error);
      const bool replace = action == "--replace";
      const OpResult r = SaveDesignedLayout(
          library, replace ? DesignerMode::Modify : DesignerMode::New, replace ? *record : -1,
          layout->layoutName.Get(), layout->paperName.Get(), layout->zoom, *layout);
      if (!r.ok) return Failed(r);
    }
    if (settings.defaultPage != before && !SaveSettings(SettingsFilePath(here), settings))
      return Fail(kCannotDo, "cannot write " + SettingsFilePath(here));
    for (const LayoutEntry& entry : ListLayouts(library))
      std::cout << entry.index << '\t' << ToTerminal(LayoutEntryText(entry, settings.defaultPage))
                << '\n';
  } catch (const IoError& e) {
    return Fail(kCannotDo, e.what());
  }
  return kDone;
}

}  // namespace gw::cli
