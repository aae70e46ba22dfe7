// Replays inputs through a fuzz target's entry point in the ordinary build: every file of the
// folders (or the files) named on the command line, so that an input once found stays handled.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  std::printf("%s (%zu bytes)\n", file.string().c_str(), bytes.size());
  std::fflush(stdout);
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path = argv[i];
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
      // In name order, so a failure is found again in the same place.
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(path, ec))
        if (entry.is_regular_file(ec) && entry.path().filename().string()[0] != '.')
          files.push_back(entry.path());
      std::sort(files.begin(), files.end());
      for (const auto& file : files) {
        Replay(file);
        ++replayed;
      }
    } else if (std::filesystem::is_regular_file(path, ec)) {
      Replay(path);
      ++replayed;
    }
    // A folder that does not exist is fine: a target without reproducers has none.
  }
  std::printf("replayed %zu inputs\n", replayed);
  // No input at all means the corpus went missing, which must not pass unnoticed.
  return replayed > 0 ? 0 : 1;
}
