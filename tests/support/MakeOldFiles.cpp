// Writes a small set of the previous version's files into a folder, for trying the conversion by
// hand. Usage: make_old_files DIR [PUZZLES] [--damaged]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/OldFiles.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_old_files DIR [PUZZLES] [--damaged]\n");
    return 2;
  }
  int puzzles = 3;
  bool damaged = false;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--damaged")
      damaged = true;
    else
      puzzles = std::atoi(a.c_str());
  }
  for (const std::string& title : gw::test::WriteOldFileSet(argv[1], puzzles, damaged))
    std::printf("%s\n", title.c_str());
  return 0;
}
