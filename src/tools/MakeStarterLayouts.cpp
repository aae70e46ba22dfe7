// Build tool: make_starter_layouts OUT.DAT DESCRIPTION.txt... writes one library record per
// description, in the order given (the first becomes record 0, the default page).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "base/IoError.h"
#include "layouts/LayoutLibrary.h"
#include "tools/LayoutText.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_starter_layouts OUT.DAT DESCRIPTION.txt...\n";
    return 2;
  }
  const std::string out = argv[1];
  // Built under a temporary name so that a failed run never leaves a plausible-looking library.
  const std::string temp = out + ".part";
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(out).parent_path(), ec);
  std::filesystem::remove(temp, ec);
  try {
    for (int i = 2; i < argc; ++i) {
      std::ifstream in(argv[i], std::ios::binary);
      if (!in) {
        std::cerr << argv[i] << ": cannot be read\n";
        return 1;
      }
      std::ostringstream text;
      text << in.rdbuf();
      auto layout = std::make_unique<gw::PageLayout>();
      std::string error;
      if (!gw::ParseLayoutText(text.str(), *layout, error)) {
        std::cerr << argv[i] << ": " << error << "\n";
        std::filesystem::remove(temp, ec);
        return 1;
      }
      if (!gw::AppendLayout(temp, *layout).ok) {
        std::cerr << temp << ": cannot be written\n";
        return 1;
      }
    }
  } catch (const gw::IoError& e) {
    std::cerr << e.what() << "\n";
    std::filesystem::remove(temp, ec);
    return 1;
  }
  std::filesystem::rename(temp, out, ec);
  if (ec) {
    std::cerr << out << ": " << ec.message() << "\n";
    return 1;
  }
  return 0;
}
