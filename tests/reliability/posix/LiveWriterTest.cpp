// The point-of-sale system keeps writing while staff fetch copies: another process appends to,
// rewrites, truncates and replaces CASSA.004 and CASSA.001 in a loop, and takes an exclusive
// lock on them, while fetches run again and again.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "data/RuntimeError.h"
#include "receipt/ReceiptCopy.h"
#include "reliability/LiveWriterData.h"
#include "reliability/WriterRandom.h"
#include "support/Fetch.h"

namespace kuitti::test {
namespace {

constexpr int kFetches = 1000;

bool TakeExclusiveLock(int descriptor) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  if (::fcntl(descriptor, F_SETLK, &lock) != 0) {
    return false;
  }
  lock.l_type = F_UNLCK;
  ::fcntl(descriptor, F_SETLK, &lock);
  return true;
}

// Runs in the child until it is killed; exits 1 as soon as an exclusive lock is refused.
[[noreturn]] void WriteForever(const std::string& directory, const Bytes& rows,
                               const Bytes& index) {
  std::uint64_t random = 42;
  const std::string rowsPath = directory + "CASSA.004";
  const std::string indexPath = directory + "CASSA.001";
  for (;;) {
    for (const std::string* path : {&rowsPath, &indexPath}) {
      const Bytes& good = path == &rowsPath ? rows : index;
      const int descriptor = ::open(path->c_str(), O_RDWR | O_CREAT, 0644);
      if (descriptor < 0) {
        continue;
      }
      if (!TakeExclusiveLock(descriptor)) {
        ::_exit(1);
      }
      const auto size = static_cast<off_t>(good.size());
      switch (Next(random) % 5) {
        case 0:  // append a few records' worth of what is there
          (void)!::pwrite(descriptor, good.data(), good.size() / 50, size);
          break;
        case 1:  // rewrite the middle with noise
          for (int i = 0; i < 64; ++i) {
            const unsigned char noise[7] = {0, 'M', 0xFF, ' ', '1', 0x80, 0x7F};
            (void)!::pwrite(descriptor, noise, sizeof noise,
                            static_cast<off_t>(Next(random) % good.size()));
          }
          break;
        case 2:  // truncate anywhere, even inside a record
          (void)!::ftruncate(descriptor, static_cast<off_t>(Next(random) % good.size()));
          break;
        case 3:  // write back the good contents
          (void)!::ftruncate(descriptor, 0);
          (void)!::pwrite(descriptor, good.data(), good.size(), 0);
          break;
        default: {  // replace the file by a new one
          const std::string fresh = *path + ".new";
          const int other = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
          (void)!::write(other, good.data(), good.size() / 2);
          ::close(other);
          ::rename(fresh.c_str(), path->c_str());
        }
      }
      ::close(descriptor);
    }
  }
}

TEST(LiveWriter, EveryFetchEndsInACopyOrAClearErrorWhileTheFilesChange) {
  DataDirectory directory;
  directory.WriteAll(SomeProducts(), SomeRows());
  const std::string rowBytes = ReadFileBytes(directory.path() / "CASSA.004");
  const std::string indexBytes = ReadFileBytes(directory.path() / "CASSA.001");
  const Bytes goodRows(rowBytes.begin(), rowBytes.end());
  const Bytes goodIndex(indexBytes.begin(), indexBytes.end());

  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    WriteForever(directory.DataPath(), goodRows, goodIndex);
  }

  FetchOutcomes outcomes;
  Module1 module;  // one program state for the whole run, as in the window
  for (int fetch = 0; fetch < kFetches; ++fetch) {
    FetchWhileWritten(directory, fetch, module, outcomes);
    ASSERT_TRUE(OpenAccessModes(directory.path()).empty()) << "files left open";
  }

  int status = 0;
  ASSERT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "the writer stopped: a lock was refused";
  ::kill(writer, SIGKILL);
  ASSERT_EQ(::waitpid(writer, &status, 0), writer);
  EXPECT_TRUE(WIFSIGNALED(status));
  ExpectAllFetchesEnded(outcomes, kFetches);
}

}  // namespace
}  // namespace kuitti::test
