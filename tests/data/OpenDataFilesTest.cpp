#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <optional>

#include "data/OpenDataFiles.h"
#include "data/RuntimeError.h"
#include "support/DataFiles.h"
#include "support/LoggingFileSystem.h"

namespace kuitti::test {
namespace {

void WriteAllFour(const DataDirectory& directory) {
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    directory.Write(name, {});
  }
}

// The error of opening the data files, or nothing when they all open (into `opened`).
std::optional<RuntimeError> OpenError(const std::string& dataPath, FileSystem& fileSystem,
                                      DataFiles* opened = nullptr) {
  try {
    DataFiles files = OpenDataFiles(fileSystem, dataPath);
    if (opened) {
      *opened = std::move(files);
    }
  } catch (const RuntimeError& error) {
    return error;
  }
  return std::nullopt;
}

TEST(OpenDataFiles, OpensTheFourFilesInOrder) {
  DataDirectory directory;
  WriteAllFour(directory);
  directory.Write("CASSA.004", Bytes(104 * 3, 'x'));
  directory.Write("CASSA.001", Bytes(18 * 2, 'x'));
  directory.Write("CASSA.002", Bytes(356, 'x'));
  directory.Write("CASSA.005", Bytes(43 * 4, 'x'));
  LoggingFileSystem files(SystemFileSystem());
  DataFiles data;
  ASSERT_FALSE(OpenError(directory.DataPath(), files, &data));

  const std::string dir = directory.DataPath();
  EXPECT_EQ(files.opened(), (std::vector<std::string>{dir + "CASSA.001", dir + "CASSA.002",
                                                      dir + "CASSA.004", dir + "CASSA.005"}));
  // Each member holds its own file, told apart by length.
  EXPECT_EQ(data.productIndex->Length(), 36);
  EXPECT_EQ(data.products->Length(), 356);
  EXPECT_EQ(data.receiptRows->Length(), 312);
  EXPECT_EQ(data.cassa005->Length(), 172);
  EXPECT_TRUE(files.reads().empty()) << "opening reads nothing";

  data = DataFiles();
  EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
}

TEST(OpenDataFiles, PathIsDataPathFollowedDirectlyByTheName) {
  // A data directory setting without a final separator runs into the file name.
  DataDirectory directory;
  const std::filesystem::path prefix = directory.path() / "kassa";
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    directory.Write(std::string("kassa") + name, Bytes(7, 'p'));
  }
  std::filesystem::create_directory(prefix);

  LoggingFileSystem files(SystemFileSystem());
  DataFiles data;
  ASSERT_FALSE(OpenError(prefix.string(), files, &data));  // ".../kassa", no separator
  EXPECT_EQ(files.opened().front(), prefix.string() + "CASSA.001");
  EXPECT_EQ(data.productIndex->Length(), 7);

  // An empty data path names the files in the working directory.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(directory.path());
  WriteAllFour(directory);
  LoggingFileSystem relativeFiles(SystemFileSystem());
  const auto error = OpenError("", relativeFiles);
  std::filesystem::current_path(previous);
  ASSERT_FALSE(error) << error->what();
  EXPECT_EQ(relativeFiles.opened().front(), "CASSA.001");
}

TEST(OpenDataFiles, AFailureClosesTheEarlierFilesAndTriesNoMore) {
  struct Case {
    std::string missing;
    std::size_t attempts;
  };
  const std::vector<Case> cases = {
      {"CASSA.001", 1},
      {"CASSA.002", 2},
      {"CASSA.004", 3},
      {"CASSA.005", 4},
  };
  for (const Case& c : cases) {
    DataDirectory directory;
    WriteAllFour(directory);
    std::filesystem::remove(directory.path() / c.missing);
    LoggingFileSystem files(SystemFileSystem());
    const auto error = OpenError(directory.DataPath(), files);
    ASSERT_TRUE(error) << c.missing;
    EXPECT_EQ(error->number(), 53);
    EXPECT_EQ(error->description(), "Tiedostoa ei löydy: " + directory.DataPath() + c.missing);
    EXPECT_EQ(files.opened().size(), c.attempts);
    EXPECT_TRUE(OpenAccessModes(directory.path()).empty()) << c.missing << ": files left open";
  }
}

TEST(OpenDataFiles, ErrorsNameTheFullPath) {
  DataDirectory directory;
  WriteAllFour(directory);

  {  // A directory that does not exist.
    const std::string dataPath = directory.DataPath() + "puuttuu/";
    const auto error = OpenError(dataPath, SystemFileSystem());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 76);
    EXPECT_EQ(error->description(), "Kansiota ei ole olemassa: " + dataPath);
    EXPECT_EQ(std::string(error->what()), "Virhe 76: Kansiota ei ole olemassa: " + dataPath);
  }
  {  // A directory where a data file should be.
    std::filesystem::remove(directory.path() / "CASSA.002");
    std::filesystem::create_directory(directory.path() / "CASSA.002");
    const auto error = OpenError(directory.DataPath(), SystemFileSystem());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_NE(error->description().find(directory.DataPath() + "CASSA.002"), std::string::npos)
        << error->description();
  }
}

// Wine keeps no access rights on files: the Windows counterpart is the sharing violation in
// the tests of its file layer.
#ifndef _WIN32
TEST(OpenDataFiles, UnreadableFileIsPermissionDenied) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permissions do not apply to root";
  }
  DataDirectory directory;
  WriteAllFour(directory);
  std::filesystem::permissions(directory.path() / "CASSA.004", std::filesystem::perms::none);
  const auto error = OpenError(directory.DataPath(), SystemFileSystem());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 70);
  EXPECT_NE(error->description().find(directory.DataPath() + "CASSA.004"), std::string::npos);
}
#endif

TEST(OpenDataFiles, FilesStayOpenWhileRemovedOrRewritten) {
  // No lock: the point-of-sale system may replace a file while it is open, and the open
  // file keeps reading.
  DataDirectory directory;
  WriteAllFour(directory);
  directory.Write("CASSA.004", Bytes(104, 'a'));
  DataFiles data;
  ASSERT_FALSE(OpenError(directory.DataPath(), SystemFileSystem(), &data));
  directory.Write("CASSA.004", Bytes(208, 'b'));  // truncated and rewritten in place
  EXPECT_EQ(data.receiptRows->Length(), 208);
}

}  // namespace
}  // namespace kuitti::test
