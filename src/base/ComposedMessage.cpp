// Composing messages from patterns and taking them apart again.
#include "base/ComposedMessage.h"

#include <deque>
#include <map>
#include <mutex>

namespace gw {

namespace {

// The messages composed last, each with what it was made of. A window shows a message soon after
// the model made it; older ones are forgotten, so the memory stays small.
constexpr size_t kRemembered = 512;

struct Composed {
  std::mutex mutex;
  std::map<std::string, MessageParts> byText;
  std::deque<std::string> order;
};

Composed& Remembered() {
  static Composed composed;
  return composed;
}

// The %n mark at `p`: its part's index, or -1.
int MarkAt(const char* p) {
  return p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '1' : -1;
}

}  // namespace

std::string ComposeMessage(const char* pattern, const std::vector<std::string>& parts) {
  std::string message;
  for (const char* p = pattern; *p; ++p) {
    const int index = MarkAt(p);
    if (index >= 0 && static_cast<size_t>(index) < parts.size()) {
      message += parts[static_cast<size_t>(index)];
      ++p;
    } else {
      message += *p;
    }
  }
  Composed& c = Remembered();
  std::lock_guard<std::mutex> lock(c.mutex);
  if (c.byText.insert_or_assign(message, MessageParts{pattern, parts}).second)
    c.order.push_back(message);
  while (c.order.size() > kRemembered) {
    c.byText.erase(c.order.front());
    c.order.pop_front();
  }
  return message;
}

std::optional<MessageParts> DecomposeMessage(const std::string& text) {
  Composed& c = Remembered();
  std::lock_guard<std::mutex> lock(c.mutex);
  const auto found = c.byText.find(text);
  if (found == c.byText.end()) return std::nullopt;
  return found->second;
}

}  // namespace gw
