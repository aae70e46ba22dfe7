// Messages made of a fixed pattern and parts (a file name, a count): composed in English by the
// model, and recognised again by the windows, which show them in the user's language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QtGlobal>  // QT_TRANSLATE_NOOP, which marks a pattern for the translators

namespace gw {

// `pattern` with %1, %2, ... replaced by `parts` in turn. The pattern is remembered, so that
// DecomposeMessage can find it again; it must be a literal marked with
// QT_TRANSLATE_NOOP("gw::Messages", ...).
std::string ComposeMessage(const char* pattern, const std::vector<std::string>& parts);

struct MessageParts {
  const char* pattern;
  std::vector<std::string> parts;
};
// The pattern and parts `text` was composed from (the longest pattern that fits it); nothing when
// no pattern composed it.
std::optional<MessageParts> DecomposeMessage(const std::string& text);

}  // namespace gw
