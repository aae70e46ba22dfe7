// The web page and its picture, written together.
#include "page/HtmlExport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "base/FileIo.h"
#include "page/PageExport.h"

namespace gw {

namespace {

OpResult CannotCreate() {
  return OpResult::Failure(kHtmlCreateError, "Error");
}

}  // namespace

OpResult SaveHtmlPage(const std::string& htmlPath, const HtmlPageOptions& options,
                      const QImage& pageImage, int quality) {
  const std::string pictureName = HtmlPictureName(htmlPath);
  const std::string picturePath = HtmlPicturePath(htmlPath);
  const std::string text = HtmlPageText(options, pictureName);

  // The page's file is made first, unseen beside its name: if it cannot be, nothing is written.
  const std::string target = fileio::RealTarget(htmlPath);
  struct stat st;
  const bool exists = ::stat(target.c_str(), &st) == 0;
  // Like every other rewrite, a file the user made read-only (or a folder) is never replaced.
  if (exists && (!S_ISREG(st.st_mode) || ::access(target.c_str(), W_OK) != 0))
    return CannotCreate();
  std::optional<fileio::SiblingFile> page =
      fileio::SiblingFile::Create(target, exists ? &st : nullptr);
  if (!page) return CannotCreate();
  try {
    page->Write(text.data(), text.size());
  } catch (const IoError&) {
    return CannotCreate();
  }

  // Then the picture; when it fails the unseen page goes with the sibling.
  std::error_code ec;
  const bool pictureWasThere = std::filesystem::exists(picturePath, ec);
  const OpResult picture = SaveJpeg(picturePath, pageImage, quality);
  if (!picture.ok) return picture;

  try {
    page->Commit();
  } catch (const IoError&) {
    // A picture no page shows is not left behind; one that was there before stays, replaced.
    if (!pictureWasThere) std::filesystem::remove(picturePath, ec);
    return CannotCreate();
  }
  return OpResult::Success();
}

}  // namespace gw
