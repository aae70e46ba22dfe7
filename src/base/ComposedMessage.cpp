// Composing messages from patterns and taking them apart again.
#include "base/ComposedMessage.h"

#include <cstring>
#include <mutex>
#include <set>

namespace gw {

namespace {

// Patterns are literals, so their addresses stay valid for the life of the program.
struct Patterns {
  std::mutex mutex;
  std::set<const char*> known;
};

Patterns& Known() {
  static Patterns patterns;
  return patterns;
}

// The %n mark at `p`: its part's index, or -1.
int MarkAt(const char* p) {
  return p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? p[1] - '1' : -1;
}

// Matches `text` from `t` against `pattern` from `p`, filling `parts`; tries every length of
// each part, so a part may hold any text, the pattern's own words included.
bool Match(const char* p, const std::string& text, size_t t, std::vector<std::string>& parts) {
  while (*p && MarkAt(p) < 0) {
    if (t >= text.size() || text[t] != *p) return false;
    ++p;
    ++t;
  }
  if (!*p) return t == text.size();
  const size_t index = static_cast<size_t>(MarkAt(p));
  if (parts.size() <= index) parts.resize(index + 1);
  for (size_t end = text.size() + 1; end-- > t;) {
    parts[index] = text.substr(t, end - t);
    if (Match(p + 2, text, end, parts)) return true;
  }
  return false;
}

}  // namespace

std::string ComposeMessage(const char* pattern, const std::vector<std::string>& parts) {
  {
    std::lock_guard<std::mutex> lock(Known().mutex);
    Known().known.insert(pattern);
  }
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
  return message;
}

std::optional<MessageParts> DecomposeMessage(const std::string& text) {
  std::lock_guard<std::mutex> lock(Known().mutex);
  // "%1 (%2)" also matches what "%1 (Custom %2)" made: the longest pattern that matches wins.
  std::optional<MessageParts> best;
  for (const char* pattern : Known().known) {
    std::vector<std::string> parts;
    if (Match(pattern, text, 0, parts) &&
        (!best || std::strlen(pattern) > std::strlen(best->pattern)))
      best = MessageParts{pattern, parts};
  }
  return best;
}

}  // namespace gw
