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
  // Nothing was tried: what was asked is not allowed (an export over a file of another kind). The
  // command line counts it as bad input.
  bool refused = false;
  // A failed write in the wording every failed write has, where `message` is the window's own
  // shorter text: "Unable to write the file X.  No space left on device." The command line says it.
  std::string detail;

  bool HasMessage() const { return !message.empty(); }

  static OpResult Success(std::string message = {}, std::string caption = {}) {
    return Made(true, std::move(message), std::move(caption));
  }
  static OpResult Failure(std::string message, std::string caption) {
    return Made(false, std::move(message), std::move(caption));
  }
  static OpResult Refusal(std::string message, std::string caption) {
    OpResult r = Made(false, std::move(message), std::move(caption));
    r.refused = true;
    return r;
  }

 private:
  static OpResult Made(bool ok, std::string message, std::string caption) {
    OpResult r;
    r.ok = ok;
    r.message = std::move(message);
    r.caption = std::move(caption);
    return r;
  }
};

}  // namespace gw
