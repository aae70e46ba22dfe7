// Fuzz target: a settings file of any bytes is loaded, saved and loaded again; what was read
// survives the save, and a second save changes nothing.
#include "FuzzSupport.h"
#include "base/SettingsFile.h"

using namespace gw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::Scratch("QUARL3.INI", data, size);
  const AppPaths paths{"/opt/gridwright", "/home/pat"};

  SettingsValues loaded = SettingsValues::Defaults(paths);
  LoadSettings(path, loaded);
  FUZZ_CHECK(SaveSettings(path, loaded));
  SettingsValues reloaded = SettingsValues::Defaults(paths);
  LoadSettings(path, reloaded);
  // A value holding a NUL or a CR that ends no line is the one thing a save writes differently
  // (as a space), since neither belongs in a line of text.
  bool plainText = true;
  for (size_t i = 0; i < size; ++i)
    if (data[i] == 0 || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n')))
      plainText = false;
  if (plainText) FUZZ_CHECK(reloaded == loaded);

  const std::string once = fuzz::FileBytes(path);
  FUZZ_CHECK(SaveSettings(path, reloaded));
  FUZZ_CHECK(fuzz::FileBytes(path) == once);
  return 0;
}
