#pragma once

#include <string_view>

namespace kuitti {

// The text without its leading and trailing spaces, for narrow and wide text alike.
template <typename Text>
auto TrimSpaces(const Text& text) {
  const std::basic_string_view<typename Text::value_type> view = text;
  const auto first = view.find_first_not_of(' ');
  if (first == view.npos) {
    return view.substr(view.size());
  }
  return view.substr(first, view.find_last_not_of(' ') - first + 1);
}

}  // namespace kuitti
