#include "platform/StreamedVariantText.h"

#include <cstdint>

#include "platform/Utf16Text.h"

namespace kuitti {

namespace {

// QMetaType's numbers for the kinds that hold text; a Qt 4.0 stream numbers them alike.
constexpr std::uint32_t kString = 10;
constexpr std::uint32_t kStringList = 11;
constexpr std::uint32_t kByteArray = 12;
constexpr std::uint32_t kNullLength = 0xFFFFFFFF;

// Reads big-endian data as QDataStream does from a buffer: a short read takes what is left and
// spoils the stream for good.
class DataStream {
 public:
  explicit DataStream(std::string_view bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }

  std::uint32_t ReadUint32() {
    const std::string_view raw = Read(4);
    if (raw.size() < 4) {
      return 0;
    }
    std::uint32_t value = 0;
    for (const char byte : raw) {
      value = (value << 8) | static_cast<unsigned char>(byte);
    }
    return value;
  }

  std::u16string ReadString() {
    const std::uint32_t length = ReadUint32();
    if (length == kNullLength) {
      return {};
    }
    if (length % 2 != 0) {
      ok_ = false;
      return {};
    }
    const std::string_view raw = Read(length);
    if (raw.size() < length) {
      return {};
    }
    std::u16string text;
    for (std::size_t i = 0; i < raw.size(); i += 2) {
      text += static_cast<char16_t>((static_cast<unsigned char>(raw[i]) << 8) |
                                    static_cast<unsigned char>(raw[i + 1]));
    }
    return text;
  }

  std::string ReadByteArray() {
    const std::uint32_t length = ReadUint32();
    if (length == kNullLength) {
      return {};
    }
    const std::string_view raw = Read(length);
    return raw.size() < length ? std::string() : std::string(raw);
  }

 private:
  std::string_view Read(std::size_t size) {
    const std::string_view raw = bytes_.substr(0, size);
    bytes_.remove_prefix(raw.size());
    if (raw.size() < size) {
      ok_ = false;
    }
    return raw;
  }

  std::string_view bytes_;
  bool ok_ = true;
};

// A list that does not read whole is no list at all.
std::u16string JoinedStringList(DataStream& stream) {
  std::u16string joined;
  const std::uint32_t count = stream.ReadUint32();
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::u16string item = stream.ReadString();
    if (!stream.ok()) {
      return {};
    }
    joined += (i == 0 ? u"" : u",") + item;
  }
  return joined;
}

}  // namespace

std::string StreamedVariantText(std::string_view bytes) {
  DataStream stream(bytes);
  switch (stream.ReadUint32()) {
    case kString:
      return Utf8FromUtf16(stream.ReadString());
    case kStringList:
      return Utf8FromUtf16(JoinedStringList(stream));
    case kByteArray:
      return Utf8FromUtf16(Utf16FromUtf8(stream.ReadByteArray()));
    default:
      return {};
  }
}

}  // namespace kuitti
