// Running programs from tests.
#include "support/Shell.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace gw::test {

ShellRun RunShell(const std::string& command) {
  ShellRun run{-1, {}};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer;
  size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace gw::test
