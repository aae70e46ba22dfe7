// Messages made of a fixed pattern and parts (a file name, a count): composed in English by the
// model, and recognised again by the windows, which show them in the user's language.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QtGlobal>  // QT_TRANSLATE_NOOP, which marks a pattern for the translators

namespace gw {

// `pattern` with %1, %2, ... replaced by `parts` in turn. The message is remembered with its
// pattern and parts (the last few hundred), so that DecomposeMessage can take it apart again; the
// pattern must be a literal marked with QT_TRANSLATE_NOOP("gw::Messages", ...).
std::string ComposeMessage(const char* pattern, const std::vector<std::string>& parts);

struct MessageParts {
  const char* pattern;
  std::vector<std::string> parts;
};
// The pattern and parts `text` was composed from; nothing when ComposeMessage did not make it
// lately. A text that merely looks like a pattern (a file name with "and" in it) is never taken
// apart.
std::optional<MessageParts> DecomposeMessage(const std::string& text);

}  // namespace gw
