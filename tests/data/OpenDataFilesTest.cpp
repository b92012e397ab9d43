#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>

#include "DataFiles.h"
#include "LoggingFileSystem.h"
#include "RuntimeError.h"
#include "SalesData.h"

namespace kuitti::test {
namespace {

void WriteAllFour(const DataDirectory& directory) {
  for (const char* name : {"CASSA.001", "CASSA.002", "CASSA.004", "CASSA.005"}) {
    directory.Write(name, {});
  }
}

// The error of opening the data files, or nothing when they all open.
std::optional<RuntimeError> OpenError(SalesData& data, FileSystem& fileSystem) {
  try {
    OpenDataFiles(data, fileSystem);
  } catch (const RuntimeError& error) {
    return error;
  }
  return std::nullopt;
}

TEST(OpenDataFiles, OpensTheFourFilesInOrderUnderTheirNumbers) {
  DataDirectory directory;
  WriteAllFour(directory);
  directory.Write("CASSA.004", Bytes(104 * 3, 'x'));
  directory.Write("CASSA.001", Bytes(18 * 2, 'x'));
  directory.Write("CASSA.002", Bytes(356, 'x'));
  directory.Write("CASSA.005", Bytes(43 * 4, 'x'));
  LoggingFileSystem files(SystemFileSystem());
  SalesData data;
  data.DataPath = directory.DataPath();
  ASSERT_FALSE(OpenError(data, files));

  const std::string dir = directory.DataPath();
  EXPECT_EQ(files.opened(), (std::vector<std::string>{dir + "CASSA.001", dir + "CASSA.002",
                                                      dir + "CASSA.004", dir + "CASSA.005"}));
  // Each number holds its own file, told apart by length; number 3 is not used.
  EXPECT_EQ(data.files.File(1).Length(), 36);
  EXPECT_EQ(data.files.File(2).Length(), 356);
  EXPECT_EQ(data.files.File(4).Length(), 312);
  EXPECT_EQ(data.files.File(5).Length(), 172);
  EXPECT_FALSE(data.files.IsOpen(3));
  EXPECT_TRUE(files.reads().empty()) << "opening reads nothing";

  data.files.CloseAll();
  for (int number : {1, 2, 4, 5}) {
    EXPECT_FALSE(data.files.IsOpen(number));
  }
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
  SalesData data;
  data.DataPath = prefix.string();  // ".../kassa", no separator
  ASSERT_FALSE(OpenError(data, files));
  EXPECT_EQ(files.opened().front(), prefix.string() + "CASSA.001");
  EXPECT_EQ(data.files.File(1).Length(), 7);

  // An empty data path names the files in the working directory.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(directory.path());
  WriteAllFour(directory);
  SalesData relative;
  LoggingFileSystem relativeFiles(SystemFileSystem());
  const auto error = OpenError(relative, relativeFiles);
  std::filesystem::current_path(previous);
  ASSERT_FALSE(error) << error->what();
  EXPECT_EQ(relativeFiles.opened().front(), "CASSA.001");
}

TEST(OpenDataFiles, AFailureLeavesTheEarlierFilesOpenAndTriesNoMore) {
  struct Case {
    std::string missing;
    std::vector<int> open;
    std::size_t attempts;
  };
  const std::vector<Case> cases = {
      {"CASSA.001", {}, 1},
      {"CASSA.002", {1}, 2},
      {"CASSA.004", {1, 2}, 3},
      {"CASSA.005", {1, 2, 4}, 4},
  };
  for (const Case& c : cases) {
    DataDirectory directory;
    WriteAllFour(directory);
    std::filesystem::remove(directory.path() / c.missing);
    LoggingFileSystem files(SystemFileSystem());
    SalesData data;
    data.DataPath = directory.DataPath();
    const auto error = OpenError(data, files);
    ASSERT_TRUE(error) << c.missing;
    EXPECT_EQ(error->number(), 53);
    EXPECT_EQ(error->description(), "Tiedostoa ei löydy: " + directory.DataPath() + c.missing);
    EXPECT_EQ(files.opened().size(), c.attempts);
    for (int number : {1, 2, 4, 5}) {
      const bool expected = std::find(c.open.begin(), c.open.end(), number) != c.open.end();
      EXPECT_EQ(data.files.IsOpen(number), expected) << c.missing << ", file " << number;
    }
  }
}

TEST(OpenDataFiles, ErrorsNameTheFullPath) {
  DataDirectory directory;
  WriteAllFour(directory);

  {  // A directory that does not exist.
    SalesData data;
    data.DataPath = directory.DataPath() + "puuttuu/";
    const auto error = OpenError(data, SystemFileSystem());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 53);
    EXPECT_EQ(error->description(), "Tiedostoa ei löydy: " + data.DataPath + "CASSA.001");
    EXPECT_EQ(std::string(error->what()),
              "Virhe 53: Tiedostoa ei löydy: " + data.DataPath + "CASSA.001");
  }
  {  // A directory where a data file should be.
    std::filesystem::remove(directory.path() / "CASSA.002");
    std::filesystem::create_directory(directory.path() / "CASSA.002");
    SalesData data;
    data.DataPath = directory.DataPath();
    const auto error = OpenError(data, SystemFileSystem());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), 75);
    EXPECT_NE(error->description().find(directory.DataPath() + "CASSA.002"), std::string::npos)
        << error->description();
    EXPECT_TRUE(data.files.IsOpen(1));
    EXPECT_FALSE(data.files.IsOpen(2));
  }
}

TEST(OpenDataFiles, UnreadableFileIsPermissionDenied) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permissions do not apply to root";
  }
  DataDirectory directory;
  WriteAllFour(directory);
  std::filesystem::permissions(directory.path() / "CASSA.004", std::filesystem::perms::none);
  SalesData data;
  data.DataPath = directory.DataPath();
  const auto error = OpenError(data, SystemFileSystem());
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number(), 70);
  EXPECT_NE(error->description().find(directory.DataPath() + "CASSA.004"), std::string::npos);
  EXPECT_TRUE(data.files.IsOpen(2));
}

TEST(OpenDataFiles, FilesStayOpenWhileRemovedOrRewritten) {
  // No lock: the point-of-sale system may replace a file while it is open, and the open
  // file keeps reading.
  DataDirectory directory;
  WriteAllFour(directory);
  directory.Write("CASSA.004", Bytes(104, 'a'));
  SalesData data;
  data.DataPath = directory.DataPath();
  ASSERT_FALSE(OpenError(data, SystemFileSystem()));
  directory.Write("CASSA.004", Bytes(208, 'b'));  // truncated and rewritten in place
  EXPECT_EQ(data.files.File(4).Length(), 208);
}

}  // namespace
}  // namespace kuitti::test
