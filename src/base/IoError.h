// A read or write failure after a file was opened successfully.
#pragma once

#include <stdexcept>
#include <string>

namespace gw {

class IoError : public std::runtime_error {
 public:
  explicit IoError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace gw
