// What an operation on a library or file came to, with the message box a window shows for it.
#pragma once

#include <string>
#include <utility>

namespace gw {

// `ok` operations may still carry a message (an export's confirmation); `message` and `caption`
// are empty when there is nothing to show. A read or write failure after a file was opened is not
// a result: it throws IoError, which the window reports with ShowIoError.
struct OpResult {
  bool ok = true;
  std::string message;
  std::string caption;
  long index = -1;  // where an operation writes a record: the record written

  bool HasMessage() const { return !message.empty(); }

  static OpResult Success(std::string message = {}, std::string caption = {}) {
    return {true, std::move(message), std::move(caption)};
  }
  static OpResult Failure(std::string message, std::string caption) {
    return {false, std::move(message), std::move(caption)};
  }
};

}  // namespace gw
