// Program-wide values for window tests.
#include "support/AppFixture.h"

#include "base/Settings.h"
#include "widgets/FormLayout.h"

namespace gw::test {

void ResetProgramWide(const AppPaths& paths) {
  AppSettings() = SettingsValues::Defaults(paths);
  Forms() = FormGlobals{};
  Forms().screenWidth = 1280;
  Forms().screenHeight = 1024;
}

}  // namespace gw::test
