#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/FileAccess.h"
#include "platform/FileErrorTexts.h"

namespace kuitti {
namespace {

bool FolderExists(const std::string& folder) {
  struct stat status {};
  return folder.empty() || (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
}

FileProblem OpenProblem(int error, const std::string& path) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:  // a part of the data directory is a file
      return FolderExists(FolderOf(path)) ? FileProblem::kNotFound : FileProblem::kFolderMissing;
    case EACCES:
    case EPERM:
      return FileProblem::kNoReadPermission;
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case ENOTCONN:
    case ESTALE:  // a network share that went away
      return FileProblem::kFolderUnreachable;
    default:
      return FileProblem::kCannotOpen;
  }
}

class SystemFile final : public RandomAccessFile {
 public:
  SystemFile(int descriptor, std::string path) : descriptor_(descriptor), path_(std::move(path)) {}
  ~SystemFile() override { ::close(descriptor_); }
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  std::int64_t Length() override {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
      RaiseReadError();
    }
    return status.st_size;
  }

  std::size_t ReadAt(std::int64_t offset, std::span<unsigned char> out) override {
    for (;;) {
      const ssize_t got = ::pread(descriptor_, out.data(), out.size(), offset);
      if (got >= 0) {
        return static_cast<std::size_t>(got);
      }
      if (errno != EINTR) {
        RaiseReadError();
      }
    }
  }

  void AdviseSequential() override { ::posix_fadvise(descriptor_, 0, 0, POSIX_FADV_SEQUENTIAL); }

 private:
  [[noreturn]] void RaiseReadError() const { throw FileError(FileProblem::kReadFailed, path_); }

  int descriptor_;
  std::string path_;
};

class SystemFiles final : public FileSystem {
 public:
  std::unique_ptr<RandomAccessFile> OpenShared(const std::string& path) override {
    // Non-blocking so that a FIFO in place of a data file cannot hang the open; regular files
    // ignore the flag when read.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (descriptor < 0) {
      throw FileError(OpenProblem(errno, path), path);
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
      ::close(descriptor);
      throw FileError(FileProblem::kNotAPlainFile, path);
    }
    return std::make_unique<SystemFile>(descriptor, path);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static SystemFiles files;
  return files;
}

}  // namespace kuitti
