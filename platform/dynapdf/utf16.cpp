#include "platform/dynapdf/utf16.h"

namespace dynapdf {

namespace {

constexpr char32_t kErsatz = 0xFFFD;

bool hoch(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool tief(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void anhaengen(std::string& aus, char32_t c) {
    auto byte = [&aus](char32_t b) { aus.push_back(static_cast<char>(b)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string utf8(std::u16string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (hoch(c) && i + 1 < text.size() && tief(text[i + 1])) {
            anhaengen(aus,
                      0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else if (hoch(c) || tief(c)) {
            anhaengen(aus, kErsatz);
        } else {
            anhaengen(aus, c);
        }
    }
    return aus;
}

}  // namespace dynapdf
