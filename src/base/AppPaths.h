// Where the program's files live: the program and start-up directories, and for an installed copy
// its read-only data and the user's own data folder.
#pragma once

#include <string>
#include <utility>

namespace gw {

struct AppPaths {
  AppPaths() = default;
  AppPaths(std::string program, std::string startup)
      : programDir(std::move(program)), startupDir(std::move(startup)) {}

  std::string programDir;  // of the executable; no trailing separator
  std::string startupDir;  // current at start; no trailing separator (except the root "/")
  // Set only for an installed copy (P/bin beside P/share/gridwright): the read-only data, the
  // documents, and the folder where the user's libraries, settings and default group live. Empty
  // when running from a build folder, where everything sits beside the program and the settings
  // and default group in the start-up directory.
  std::string dataDir;
  std::string docDir;
  std::string userDir;
  // The system's spelling dictionaries and thesaurus data. A dictionary the user drops where the
  // libraries live (LibraryFile) is found first.
  std::string dictionaryDir = "/usr/share/hunspell";
  std::string thesaurusDir = "/usr/share/mythes";

  bool Installed() const { return !userDir.empty(); }

  // A read-only file of the installation (help, starter libraries, word lists, BADLIST.TXT),
  // found case-insensitively so that "BADLIST.TXT" also finds badlist.txt. When no such file
  // exists, the name as given.
  std::string ProgramFile(const std::string& name) const;
  // A document of the installation (the user manual).
  std::string DocFile(const std::string& name) const;
  // A library the user changes (shapes, page layouts, user dictionaries): beside the program, or
  // in the user's data folder for an installed copy.
  std::string LibraryFile(const std::string& name) const;
  // The settings file and the default group: in the start-up directory, or in the user's data
  // folder for an installed copy.
  std::string StartupFile(const std::string& name) const;

  // The running program's directories; an installed copy is recognised by its share folder.
  static AppPaths FromRunningProgram();
};

// dir + "/" + the name of an existing entry of dir whose name equals `name` ignoring ASCII case;
// dir + "/" + name when there is none.
std::string FindFileNoCase(const std::string& dir, const std::string& name);
std::string JoinPath(const std::string& dir, const std::string& name);

// An installed copy's first use: makes the user's data folder and copies the starter shape and
// page layout libraries into it when they are not there yet. Nothing to do for a build folder.
// False when the folder or a library copy could not be made.
bool PrepareUserFolder(const AppPaths& paths);

// The very first start: with neither a settings file nor a default group yet, the default group
// starts as a copy of the sample puzzles so the lists are not empty. True when it was copied.
bool StartWithSamples(const AppPaths& paths);

}  // namespace gw
