#include "platform/Utf16Text.h"

#include <algorithm>

#include "data/Utf8.h"

namespace kuitti {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char16_t kReplacement = u'\uFFFD';

enum : int { kInvalid = -1, kCut = -2 };

void AppendUtf16(std::u16string& out, char32_t character) {
  if (character < 0x10000) {
    out += static_cast<char16_t>(character);
    return;
  }
  character -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (character >> 10));
  out += static_cast<char16_t>(0xDC00 + (character & 0x3FF));
}

// Decodes the sequence at the start of the text as Qt's UTF-8 decoder does: its length, or
// kInvalid, or kCut when the text ends before the sequence and what there is of it fits.
int DecodeSequence(std::string_view text, std::u16string& out) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) {
    out += static_cast<char16_t>(lead);
    return 1;
  }
  int length = 0;
  char32_t least = 0;
  char32_t character = 0;
  if (lead <= 0xC1) {
    return kInvalid;
  } else if (lead < 0xE0) {
    length = 2;
    least = 0x80;
    character = lead & 0x1F;
  } else if (lead < 0xF0) {
    length = 3;
    least = 0x800;
    character = lead & 0x0F;
  } else if (lead < 0xF5) {
    length = 4;
    least = 0x10000;
    character = lead & 0x07;
  } else {
    return kInvalid;
  }
  const std::size_t size = std::min<std::size_t>(text.size(), length);
  for (std::size_t k = 1; k < size; ++k) {
    if (!IsUtf8Continuation(static_cast<unsigned char>(text[k]))) {
      return kInvalid;
    }
    character = (character << 6) | (static_cast<unsigned char>(text[k]) & 0x3F);
  }
  if (size < static_cast<std::size_t>(length)) {
    return kCut;
  }
  if (character < least || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) {
    return kInvalid;
  }
  AppendUtf16(out, character);
  return length;
}

// Decodes until the text ends or a sequence is cut at its end; returns the cut sequence.
std::string_view DecodeUntilCut(std::string_view text, std::u16string& out) {
  while (!text.empty()) {
    const int length = DecodeSequence(text, out);
    if (length == kCut) {
      return text;
    }
    if (length == kInvalid) {
      out += kReplacement;
      text.remove_prefix(1);
    } else {
      text.remove_prefix(length);
    }
  }
  return text;
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());
  }
  // Whole text, no piece to follow: a broken or cut sequence's bytes each stand for one U+FFFD,
  // as in the project's own decoder.
  std::u16string out;
  for (const char32_t character : DecodeUtf8(text)) {
    AppendUtf16(out, character);
  }
  return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit < 0xD800 || unit > 0xDFFF) {
      AppendUtf8(out, unit);
    } else if (unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
               text[i + 1] <= 0xDFFF) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      out += '?';
    }
  }
  return out;
}

std::string Latin1FromUtf16(std::u16string_view text) {
  std::string out;
  for (const char16_t unit : text) {
    out += unit > 0xFF ? '?' : static_cast<char>(unit);
  }
  return out;
}

void Utf8PieceDecoder::Decode(std::string_view piece, std::u16string& out) {
  if (piece.empty()) {
    return;
  }
  if (!waiting_.empty() || !started_) {
    const std::size_t taken = std::min(4 - waiting_.size(), piece.size());
    const std::string joined = waiting_ + std::string(piece.substr(0, taken));
    const int length = DecodeSequence(joined, out);
    if (length == kCut) {
      waiting_ = joined;
      return;
    }
    if (length == kInvalid) {
      out += kReplacement;
      piece.remove_prefix(1);
    } else {
      if (!started_ && out.back() == u'\uFEFF') {
        out.pop_back();
      }
      piece.remove_prefix(length - waiting_.size());
    }
    started_ = true;
  }
  waiting_ = DecodeUntilCut(piece, out);
}

}  // namespace kuitti
