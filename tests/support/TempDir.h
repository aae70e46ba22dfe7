// Temporary folders and small file helpers for tests.
#pragma once

#include <string>
#include <vector>

namespace gw::test {

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::vector<char> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<char>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
long FileSize(const std::string& path);  // -1 when missing

}  // namespace gw::test
