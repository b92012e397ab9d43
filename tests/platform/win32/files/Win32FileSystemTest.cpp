// The Windows file layer: paths in every Windows form, the share modes that let the
// point-of-sale system go on with its files, and Windows' errors as the numbered ones.

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>

#include "data/FileAccess.h"
#include "data/RuntimeError.h"
#include "platform/win32/FileErrors.h"
#include "support/DataFiles.h"

namespace kuitti::test {
namespace {

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string Contents(RandomAccessFile& file) {
  std::string bytes(static_cast<std::size_t>(file.Length()), '\0');
  const std::size_t got =
      ReadFully(file, 0, {reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()});
  bytes.resize(got);
  return bytes;
}

RuntimeError OpenFailure(const std::string& path) {
  try {
    SystemFileSystem().OpenShared(path);
  } catch (const RuntimeError& error) {
    return error;
  }
  return RuntimeError(0, "opened");
}

TEST(Win32Files, WindowsErrorsBecomeTheNumberedOnes) {
  struct Case {
    unsigned long windowsError;
    int number;
    std::string description;
  };
  const std::string path = "D:\\Kassa\\CASSA.004";
  const std::vector<Case> cases = {
      {ERROR_FILE_NOT_FOUND, 53, "Tiedostoa ei löydy: " + path},
      // The folder is what is missing, or out of reach: it is named.
      {ERROR_PATH_NOT_FOUND, 76, "Kansiota ei ole olemassa: D:\\Kassa\\"},
      {ERROR_INVALID_DRIVE, 76, "Kansioon ei saada yhteyttä: D:\\Kassa\\"},
      {ERROR_BAD_NETPATH, 76, "Kansioon ei saada yhteyttä: D:\\Kassa\\"},
      {ERROR_BAD_NET_NAME, 76, "Kansioon ei saada yhteyttä: D:\\Kassa\\"},
      {ERROR_NETWORK_UNREACHABLE, 76, "Kansioon ei saada yhteyttä: D:\\Kassa\\"},
      {ERROR_ACCESS_DENIED, 70, "Ei lukuoikeutta tiedostoon: " + path},
      {ERROR_SHARING_VIOLATION, 70, "Toinen ohjelma on varannut tiedoston itselleen: " + path},
      {ERROR_LOCK_VIOLATION, 70, "Toinen ohjelma on varannut tiedoston itselleen: " + path},
      {ERROR_NOT_READY, 75, "Tiedostoa ei voi avata: " + path + " (Windows-virhe 21)"},
      {ERROR_NETNAME_DELETED, 75, "Tiedostoa ei voi avata: " + path + " (Windows-virhe 64)"},
  };
  for (const Case& c : cases) {
    const RuntimeError error = FileOpenError(c.windowsError, path);
    EXPECT_EQ(error.number(), c.number) << c.windowsError;
    EXPECT_EQ(error.description(), c.description);
  }
}

TEST(Win32Files, OpensDrivePathsLongPathsAndNonAsciiFolders) {
  DataDirectory directory;
  const auto folder = directory.path() / u8"Kassa" / u8"Myymälä Åland";
  std::filesystem::create_directories(folder);
  const std::string bytes = std::string("records\r\n") + '\0' + '\xff' + std::string(5000, 'x');
  {
    std::ofstream out(folder / "CASSA.004", std::ios::binary);
    out << bytes;
  }
  const std::string windowsPath = Utf8(folder.lexically_normal()) + "\\CASSA.004";
  for (const std::string& path :
       {windowsPath, "\\\\?\\" + windowsPath, Utf8(folder) + "/CASSA.004"}) {
    const auto file = SystemFileSystem().OpenShared(path);
    EXPECT_EQ(file->Length(), static_cast<std::int64_t>(bytes.size())) << path;
    EXPECT_EQ(Contents(*file), bytes) << path;
    std::array<unsigned char, 16> past{};
    EXPECT_EQ(file->ReadAt(static_cast<std::int64_t>(bytes.size()) + 100, past), 0u);
    EXPECT_EQ(file->ReadAt(static_cast<std::int64_t>(bytes.size()) - 3, past), 3u);
  }
  EXPECT_EQ(OpenFailure(Utf8(folder) + "\\CASSA.001").description(),
            "Tiedostoa ei löydy: " + Utf8(folder) + "\\CASSA.001");
}

TEST(Win32Files, NothingButPlainFilesIsOpened) {
  DataDirectory directory;
  std::filesystem::create_directory(directory.path() / "CASSA.004");
  // A pipe of the data file's name, waiting for a client: the open must not hang on it.
  const std::string pipes = "\\\\.\\pipe\\kuitti-" + std::to_string(std::random_device()()) + "\\";
  const HANDLE pipe = ::CreateNamedPipeA((pipes + "CASSA.001").c_str(), PIPE_ACCESS_DUPLEX,
                                         PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  for (const std::string& path :
       {directory.DataPath() + "CASSA.004", pipes + "CASSA.001", std::string("NUL")}) {
    const RuntimeError error = OpenFailure(path);
    EXPECT_EQ(error.number(), 75) << path;
    EXPECT_EQ(error.description(), "Ei tavallinen tiedosto: " + path);
  }
  ::CloseHandle(pipe);
}

TEST(Win32Files, AFileThatAnotherProgramHoldsForItselfIsNamedInTheError) {
  DataDirectory directory;
  directory.Write("CASSA.002", Bytes(356, 'x'));
  const std::wstring path = (directory.path() / "CASSA.002").wstring();
  const HANDLE exclusive = ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  const RuntimeError error = OpenFailure(directory.DataPath() + "CASSA.002");
  ::CloseHandle(exclusive);
  EXPECT_EQ(error.number(), 70);
  EXPECT_EQ(error.description(), "Toinen ohjelma on varannut tiedoston itselleen: " +
                                     directory.DataPath() + "CASSA.002");
}

TEST(Win32Files, ThePointOfSaleSystemMayWriteRenameAndDeleteWhileTheFileIsOpen) {
  DataDirectory directory;
  directory.Write("CASSA.004", Bytes(104, 'a'));
  const auto path = directory.path() / "CASSA.004";
  const auto file = SystemFileSystem().OpenShared(directory.DataPath() + "CASSA.004");

  // A writer that lets others read but nobody else write gets in beside the open file.
  const HANDLE writer = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE) << ::GetLastError();
  ::SetFilePointer(writer, 0, nullptr, FILE_END);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(writer, std::string(104, 'b').data(), 104, &written, nullptr));
  ::CloseHandle(writer);
  EXPECT_EQ(file->Length(), 208) << "the growth shows at once";
  EXPECT_EQ(Contents(*file), std::string(104, 'a') + std::string(104, 'b'));

  const auto renamed = directory.path() / "CASSA.004.old";
  EXPECT_TRUE(::MoveFileExW(path.c_str(), renamed.c_str(), 0)) << ::GetLastError();
  EXPECT_TRUE(::DeleteFileW(renamed.c_str())) << ::GetLastError();
  EXPECT_EQ(file->Length(), 208) << "the open file keeps reading";
}

}  // namespace
}  // namespace kuitti::test
