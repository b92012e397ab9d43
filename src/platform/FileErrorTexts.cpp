#include "platform/FileErrorTexts.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kuitti {
namespace {

struct FileErrorText {
  FileProblem problem;
  int number;
  std::string_view text;  // the path, or its folder, follows
  bool namesTheFolder = false;
};

constexpr std::array kFileErrorTexts{
    FileErrorText{FileProblem::kNotFound, kFileNotFound, "Tiedostoa ei löydy: "},
    FileErrorText{FileProblem::kNoReadPermission, kPermissionDenied,
                  "Ei lukuoikeutta tiedostoon: "},
    FileErrorText{FileProblem::kHeldByAnotherProgram, kPermissionDenied,
                  "Toinen ohjelma on varannut tiedoston itselleen: "},
    FileErrorText{FileProblem::kCannotOpen, kPathFileAccessError, "Tiedostoa ei voi avata: "},
    FileErrorText{FileProblem::kNotAPlainFile, kPathFileAccessError, "Ei tavallinen tiedosto: "},
    FileErrorText{FileProblem::kReadFailed, kDeviceIoError, "Tiedoston lukuvirhe: "},
    FileErrorText{FileProblem::kFolderMissing, kPathNotFound, "Kansiota ei ole olemassa: ", true},
    FileErrorText{FileProblem::kFolderUnreachable, kPathNotFound,
                  "Kansioon ei saada yhteyttä: ", true},
};

// The table is looked up by the problem's value.
constexpr bool InProblemOrder() {
  for (std::size_t i = 0; i < kFileErrorTexts.size(); ++i) {
    if (kFileErrorTexts[i].problem != static_cast<FileProblem>(i)) {
      return false;
    }
  }
  return true;
}
static_assert(InProblemOrder());

}  // namespace

RuntimeError FileError(FileProblem problem, const std::string& path, std::string_view detail) {
  const FileErrorText& entry = kFileErrorTexts.at(static_cast<std::size_t>(problem));
  std::string description(entry.text);
  description += entry.namesTheFolder ? FolderOf(path) : path;
  if (!detail.empty()) {
    description += " (";
    description += detail;
    description += ')';
  }
  return RuntimeError(entry.number, std::move(description));
}

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace kuitti
