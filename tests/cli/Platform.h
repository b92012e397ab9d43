#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kuitti::test {

// The separator that kuittikopio-text adds to a --data directory without one, and what its
// help names as the source of the decimal separator.
#ifdef _WIN32
inline const std::string kSeparator = "\\";
inline const std::string kDecimalSeparatorSource = "alueasetusten";
#else
inline const std::string kSeparator = "/";
inline const std::string kDecimalSeparatorSource = "LC_ALL";
#endif

// The data directory setting of the program's user, in the platform's own store: a settings
// file under the given home on Linux, the registry on Windows. Starts without a setting and
// leaves none behind.
class UserSetting {
 public:
  explicit UserSetting(std::filesystem::path home);
  ~UserSetting();
  UserSetting(const UserSetting&) = delete;
  UserSetting& operator=(const UserSetting&) = delete;

  // Stores the value as the user's store holds it.
  void Write(const std::string& dataPath) const;
  // The environment that makes the program read this store.
  std::vector<std::string> Environment() const;
  // Where the advice on a missing data file says the setting is read from.
  std::string Source() const;

 private:
  std::filesystem::path home_;
};

}  // namespace kuitti::test
