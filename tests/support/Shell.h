// Running programs from tests as a user would, from a shell.
#pragma once

#include <string>

namespace gw::test {

struct ShellRun {
  int code;         // the exit code, -1 when the program did not end normally
  std::string out;  // standard output and standard error together
};

ShellRun RunShell(const std::string& command);

}  // namespace gw::test
