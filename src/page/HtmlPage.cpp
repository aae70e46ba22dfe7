// The web page's text and its picture's name.
#include "page/HtmlPage.h"

#include <algorithm>
#include <filesystem>

#include "base/TextUtils.h"

namespace gw {

namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

HtmlPageOptions HtmlOptionsFrom(const SettingsValues& s) {
  return {s.firstHeader,     s.secondHeader,    s.firstFooter, s.secondFooter,
          s.horizontalUpper, s.horizontalLower, s.webTitle};
}

std::string HtmlBlockLine(const HtmlBlock& block) {
  // A size edited by hand in the settings file is brought within what browsers know.
  const long size = std::clamp(block.fontSize, kHtmlSmallestSize, kHtmlLargestSize);
  std::string t = "<FONT SIZE=" + std::to_string(size) + ">" + block.text + "</FONT>";
  if (block.bold) t = "<B>" + t + "</B>";
  if (block.italic) t = "<I>" + t + "</I>";
  if (block.center) t = "<CENTER>" + t + "</CENTER>";
  return "  " + t + "<P>";
}

std::string HtmlPageText(const HtmlPageOptions& o, const std::string& pictureName) {
  std::string page;
  auto line = [&page](const std::string& text) { page += text + kLineEnd; };
  auto block = [&line](const HtmlBlock& b) {
    if (!b.text.empty()) line(HtmlBlockLine(b));
  };
  line("<HTML>");
  line(" <HEAD>");
  line("  <TITLE>" + o.webTitle + "</TITLE>");
  line("  <META NAME=\"GENERATOR\" CONTENT=\"Kelvane / Gridwright 97\">");
  line(" </HEAD>");
  line(" <BODY>");
  block(o.firstHeader);
  block(o.secondHeader);
  if (o.horizontalUpper) line("  <HR><P>");
  line("  <CENTER><IMG SRC=\"" + HtmlSourceOf(pictureName) +
       "\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>");
  if (o.horizontalLower) line("  <HR><P>");
  block(o.firstFooter);
  block(o.secondFooter);
  line(" </BODY>");
  line("</HTML>");
  return page;
}

std::string HtmlPictureName(const std::string& htmlPath) {
  const std::string name = std::filesystem::path(htmlPath).filename().string();
  // A leading dot names a hidden file rather than starting an extension.
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string picture = stem + ".JPG";
  return picture == name ? name + ".JPG" : picture;
}

std::string HtmlPicturePath(const std::string& htmlPath) {
  return (std::filesystem::path(htmlPath).parent_path() / HtmlPictureName(htmlPath)).string();
}

std::string HtmlSourceOf(const std::string& fileName) {
  static const std::string kMeaningful = " \"%#?<>\\";
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : fileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || kMeaningful.find(c) != std::string::npos) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string KeptWebTitle(const std::string& typed) {
  return Cut(Trim(typed), kHtmlTitleKeep);
}

std::string KeptBlockText(const std::string& typed) {
  std::string text;
  for (size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == '\r' || typed[i] == '\n') {
      if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') ++i;
      text += kLineEnd;
    } else {
      text += typed[i];
    }
  }
  text = Cut(text, kHtmlBlockKeep);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

}  // namespace gw
