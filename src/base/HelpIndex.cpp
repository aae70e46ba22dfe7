// Table of contents and keyword index of the help collection.
#include "base/HelpIndex.h"

#include <algorithm>
#include <cstring>
#include <regex>
#include <sstream>

#include "base/TextUtils.h"

namespace gw {

namespace {

std::vector<std::string> SplitKeywords(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream in(list);
  std::string item;
  while (std::getline(in, item, ';')) {
    item = Trim(item);
    if (!item.empty()) out.push_back(item);
  }
  return out;
}

std::string Unescape(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}};
  for (const auto& [from, to] : entities)
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + 1))
      s.replace(at, std::strlen(from), to);
  return s;
}

}  // namespace

std::vector<HelpTopic> ParseHelpContents(const std::string& text) {
  std::vector<HelpTopic> topics;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t a = line.find('\t');
    const size_t b = a == std::string::npos ? a : line.find('\t', a + 1);
    if (b == std::string::npos) continue;
    HelpTopic t;
    t.depth = static_cast<int>(std::clamp(ReadNumber(line.substr(0, a)), 0L, 9L));
    t.title = Trim(line.substr(a + 1, b - a - 1));
    t.page = Trim(line.substr(b + 1));
    if (!t.title.empty() && !t.page.empty()) topics.push_back(std::move(t));
  }
  return topics;
}

std::vector<HelpKeyword> PageKeywords(const std::string& page, const std::string& html) {
  std::vector<HelpKeyword> out;
  static const std::regex meta(
      R"re(<meta\s+name\s*=\s*"keywords"\s+content\s*=\s*"([^"]*)"\s*/?>)re", std::regex::icase);
  static const std::regex anchor(
      R"re(<a\s+name\s*=\s*"([^"]+)"\s+title\s*=\s*"keywords:([^"]*)"\s*/?>)re", std::regex::icase);
  for (auto it = std::sregex_iterator(html.begin(), html.end(), meta); it != std::sregex_iterator();
       ++it)
    for (const std::string& k : SplitKeywords(Unescape((*it)[1].str()))) out.push_back({k, page});
  for (auto it = std::sregex_iterator(html.begin(), html.end(), anchor);
       it != std::sregex_iterator(); ++it)
    for (const std::string& k : SplitKeywords(Unescape((*it)[2].str())))
      out.push_back({k, page + "#" + (*it)[1].str()});
  return out;
}

std::optional<std::string> FindKeyword(const std::vector<HelpKeyword>& index,
                                       const std::string& keyword) {
  const std::string wanted = Trim(keyword);
  for (const HelpKeyword& k : index)
    if (EqualsNoCase(k.keyword, wanted)) return k.target;
  return std::nullopt;
}

}  // namespace gw
