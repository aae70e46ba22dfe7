// The help collection's table of contents and keyword index, read from its own text files.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gw {

// "QUARL.HLP": the help pages packed into one file beside the program (see data/help/README.md).
inline constexpr const char* kHelpFileName = "QUARL.HLP";

struct HelpTopic {
  int depth = 0;      // 0 for a chapter, 1 for a topic inside it, ...
  std::string title;  // UTF-8
  std::string page;   // page file inside the collection, e.g. "printing.html"
};

// toc.txt: one topic a line, "<depth> <tab> <title> <tab> <page>"; blank lines and lines starting
// with '#' are skipped, and so is a line that does not have the three fields.
std::vector<HelpTopic> ParseHelpContents(const std::string& text);

struct HelpKeyword {
  std::string keyword;  // as written in the page
  std::string target;   // page, or page#anchor
};

// The keywords a page declares: <meta name="keywords" content="Report Window; Printing">, and a
// named anchor's keywords: <a name="zoom" title="keywords: Zoom; Whole page">. Keywords are
// separated by ';'.
std::vector<HelpKeyword> PageKeywords(const std::string& page, const std::string& html);

// The target of `keyword` (compared without regard to ASCII letter case and surrounding blanks),
// or nothing.
std::optional<std::string> FindKeyword(const std::vector<HelpKeyword>& index,
                                       const std::string& keyword);

}  // namespace gw
