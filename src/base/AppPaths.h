// The program directory (of the executable) and the start-up directory (current at start).
#pragma once

#include <string>

namespace gw {

struct AppPaths {
  std::string programDir;  // no trailing separator
  std::string startupDir;  // no trailing separator (except the root "/")
  // The system's spelling dictionaries and thesaurus data; the program directory is searched
  // first, so a dictionary dropped beside the program wins.
  std::string dictionaryDir = "/usr/share/hunspell";
  std::string thesaurusDir = "/usr/share/mythes";

  // A file of the installation (libraries, help, word lists), found case-insensitively so that
  // "BADLIST.TXT" also finds badlist.txt. When no such file exists, the name as given.
  std::string ProgramFile(const std::string& name) const;
  std::string StartupFile(const std::string& name) const;
  // A file of the user's own data (user dictionaries): beside the program while its folder can be
  // written, else in the user's data folder, so a read-only installation is never written to.
  std::string UserFile(const std::string& name) const;

  // Directories of the running program and of the current working directory.
  static AppPaths FromRunningProgram();
};

// dir + "/" + the name of an existing entry of dir whose name equals `name` ignoring ASCII case;
// dir + "/" + name when there is none.
std::string FindFileNoCase(const std::string& dir, const std::string& name);
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace gw
