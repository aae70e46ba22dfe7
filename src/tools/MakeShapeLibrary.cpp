// Build tool: turns ASCII-art shape files (a name line, then rows of '#' usable and '.' outside)
// into a shape library. Usage: make_shape_library OUTPUT.DAT SHAPE.txt...
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/IoError.h"
#include "base/TextUtils.h"
#include "shapes/ShapeEditing.h"
#include "shapes/ShapeLibrary.h"

namespace {

// A mistake in a drawing stops the build with the file and the reason.
bool Fail(const std::string& file, const std::string& why) {
  std::fprintf(stderr, "%s: %s\n", file.c_str(), why.c_str());
  return false;
}

bool ParseShape(const std::string& file, gw::ShapeRecord& shape) {
  std::ifstream in(file);
  if (!in) return Fail(file, "cannot be read");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  while (!lines.empty() && gw::Trim(lines.back()).empty()) lines.pop_back();
  if (lines.size() < 2) return Fail(file, "needs a name line and rows");

  std::memset(&shape, 0, sizeof shape);
  shape.shapeName.Set(gw::Trim(lines[0]));
  const size_t width = lines[1].size();
  const size_t height = lines.size() - 1;
  if (width < 5 || width > 30 || height < 5 || height > 30)
    return Fail(file, "must be 5 to 30 cells wide and high");
  shape.shapeWidth = static_cast<int16_t>(width);
  shape.shapeHeight = static_cast<int16_t>(height);
  for (size_t r = 1; r <= height; ++r) {
    const std::string& row = lines[r];
    if (row.size() != width) return Fail(file, "row " + std::to_string(r) + " has another width");
    for (size_t c = 1; c <= width; ++c) {
      const char ch = row[c - 1];
      if (ch != '#' && ch != '.') return Fail(file, "only '#' and '.' may draw a shape");
      shape.SetCell(static_cast<int>(r), static_cast<int>(c), ch == '#');
    }
  }
  if (gw::UsableCells(shape) < 25) return Fail(file, "needs at least 25 usable cells");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_shape_library OUTPUT.DAT SHAPE.txt...\n");
    return 2;
  }
  const std::string output = argv[1];
  std::vector<gw::ShapeRecord> shapes(static_cast<size_t>(argc - 2));
  for (int i = 2; i < argc; ++i)
    if (!ParseShape(argv[i], shapes[static_cast<size_t>(i - 2)])) return 1;

  // Written beside the target and renamed over it, so a failed run leaves no half library.
  const std::string temporary = output + ".tmp";
  std::error_code ec;
  std::filesystem::remove(temporary, ec);
  try {
    for (const gw::ShapeRecord& shape : shapes)
      if (!gw::AppendShape(temporary, shape)) return Fail(temporary, "cannot be created"), 1;
  } catch (const gw::IoError& e) {
    return Fail(temporary, e.what()), 1;
  }
  std::filesystem::rename(temporary, output, ec);
  if (ec) return Fail(output, ec.message()), 1;
  return 0;
}
