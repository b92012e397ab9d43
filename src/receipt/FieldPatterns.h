#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kuitti {

// A text field of Width bytes (4 to 16) as two overlapping words that together cover every
// byte, so two fields are equal exactly when their keys are; compared without a call.
template <int Width>
struct FieldKey {
  static_assert(Width >= 4 && Width <= 16);
  using Word = std::conditional_t<(Width > 8), std::uint64_t, std::uint32_t>;

  static FieldKey Of(const unsigned char* field) {
    FieldKey key;
    std::memcpy(&key.first, field, sizeof(Word));
    std::memcpy(&key.last, field + Width - sizeof(Word), sizeof(Word));
    return key;
  }

  // The key of a field that holds the one byte throughout.
  static constexpr FieldKey Filled(unsigned char byte) {
    const Word word = static_cast<Word>(~Word{0} / 0xFF * byte);
    return {word, word};
  }

  bool operator==(const FieldKey&) const = default;

  Word first = 0;
  Word last = 0;
};

// The few byte strings a text field of Width bytes may hold to meet a criterion, such as a
// code with the spaces around it placed every way it fits.
template <int Width>
class FieldPatterns {
 public:
  FieldPatterns() = default;
  // Patterns of another width are left out: no field can hold them.
  explicit FieldPatterns(const std::vector<std::string>& patterns) {
    for (std::string_view pattern : patterns) {
      if (pattern.size() == Width) {
        keys_.push_back(
            FieldKey<Width>::Of(reinterpret_cast<const unsigned char*>(pattern.data())));
      }
    }
  }

  // Inline: it runs once for every record of a gigabyte file. Without a branch per pattern,
  // so that fields that vary from row to row, as product codes do, cost no mispredictions.
  bool Contains(const unsigned char* field) const { return Contains(FieldKey<Width>::Of(field)); }
  bool Contains(const FieldKey<Width>& key) const {
    bool found = false;
    for (const FieldKey<Width>& pattern : keys_) {
      found |= (pattern.first == key.first) & (pattern.last == key.last);
    }
    return found;
  }
  // The first word of every pattern, when they all share one.
  std::optional<typename FieldKey<Width>::Word> SharedFirstWord() const {
    if (keys_.empty()) {
      return std::nullopt;
    }
    for (const FieldKey<Width>& pattern : keys_) {
      if (pattern.first != keys_.front().first) {
        return std::nullopt;
      }
    }
    return keys_.front().first;
  }
  // Whether some pattern starts with the word: true at least for every field it Contains.
  bool ContainsFirstWord(typename FieldKey<Width>::Word first) const {
    bool found = false;
    for (const FieldKey<Width>& pattern : keys_) {
      found |= pattern.first == first;
    }
    return found;
  }

 private:
  std::vector<FieldKey<Width>> keys_;
};

}  // namespace kuitti
