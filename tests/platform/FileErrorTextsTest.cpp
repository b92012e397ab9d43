// The one table of file errors that the Linux and the Windows file layers both raise from.

#include "platform/FileErrorTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuitti::test {
namespace {

TEST(FileErrorTexts, EachProblemHasItsNumberAndNamesTheFile) {
  struct Case {
    FileProblem problem;
    std::string detail;
    std::string message;  // what() gives, as a window or the command line shows it
  };
  const std::string path = "/srv/kassa/data/CASSA.004";
  for (const Case& c : std::vector<Case>{
           {FileProblem::kNotFound, "", "Virhe 53: Tiedostoa ei löydy: " + path},
           {FileProblem::kNoReadPermission, "", "Virhe 70: Ei lukuoikeutta tiedostoon: " + path},
           {FileProblem::kHeldByAnotherProgram, "",
            "Virhe 70: Toinen ohjelma on varannut tiedoston itselleen: " + path},
           {FileProblem::kCannotOpen, "", "Virhe 75: Tiedostoa ei voi avata: " + path},
           {FileProblem::kCannotOpen, "Windows-virhe 21",
            "Virhe 75: Tiedostoa ei voi avata: " + path + " (Windows-virhe 21)"},
           {FileProblem::kNotAPlainFile, "", "Virhe 75: Ei tavallinen tiedosto: " + path},
           {FileProblem::kReadFailed, "", "Virhe 57: Tiedoston lukuvirhe: " + path},
       }) {
    const RuntimeError error = FileError(c.problem, path, c.detail);
    EXPECT_EQ(std::string(error.what()), c.message);
    // It names its file already, so a place found later is not added.
    EXPECT_EQ(error.At("tietue 17").description(), error.description()) << c.message;
  }
}

}  // namespace
}  // namespace kuitti::test
