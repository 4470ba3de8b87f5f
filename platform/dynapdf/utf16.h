#pragma once
// The texts arrive as UTF-16; cairo and fontconfig take UTF-8.

#include <string>
#include <string_view>

namespace dynapdf {

// UTF-8 of a UTF-16 text. A surrogate without its partner becomes U+FFFD, so any input gives
// valid UTF-8 (cairo refuses invalid UTF-8 and would put the page into an error state).
std::string utf8(std::u16string_view text);

}  // namespace dynapdf
