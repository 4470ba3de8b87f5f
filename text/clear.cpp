#include "text/clear.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tolvek {

namespace {

// The characters of the bytes 0x80 to 0x9F; 81, 8D, 8F, 90 and 9D are unassigned and stand
// for the C1 controls of the same value.
constexpr std::array<char16_t, 32> OBEN = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool unbelegt(std::size_t i) {
    return OBEN[i] < 0x00A0;
}

// The Windows-1252 byte of a character; false when Windows-1252 lacks it. The unassigned
// bytes and the NUL count as lacking: they show nothing.
bool cp1252byte(uint32_t zeichen, char& byte) {
    if ((zeichen >= 0x01 && zeichen <= 0x7F) || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        byte = static_cast<char>(zeichen);
        return true;
    }
    for (std::size_t i = 0; i < OBEN.size(); ++i) {
        if (OBEN[i] == zeichen && !unbelegt(i)) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// A well-formed UTF-8 sequence of two to four bytes at s[i]: its character and length, or
// length 0 (overlong forms, surrogates and values above U+10FFFF are not well-formed).
struct Utf8 {
    uint32_t zeichen = 0;
    std::size_t laenge = 0;
};

Utf8 utf8(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n;
    uint32_t z;
    uint32_t kleinster;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2, z = b & 0x1Fu, kleinster = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, z = b & 0x0Fu, kleinster = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, z = b & 0x07u, kleinster = 0x10000;
    } else {
        return {};
    }
    if (i + n > s.size()) {
        return {};
    }
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0u) != 0x80u) {
            return {};
        }
        z = (z << 6) | (c & 0x3Fu);
    }
    if (z < kleinster || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) {
        return {};
    }
    return {z, n};
}

// A character reference "&#228;" or "&#xE4;" at s[i] (s[i] is "&"): its character and length,
// or length 0.
Utf8 zeichenreferenz(std::string_view s, std::size_t i) {
    std::size_t k = i + 2;
    if (k > s.size() || s[i + 1] != '#') {
        return {};
    }
    uint32_t basis = 10;
    if (k < s.size() && s[k] == 'x') {
        basis = 16;
        ++k;
    }
    const std::size_t ziffernanfang = k;
    uint32_t z = 0;
    for (; k < s.size(); ++k) {
        const char c = s[k];
        uint32_t d;
        if (c >= '0' && c <= '9') {
            d = static_cast<uint32_t>(c - '0');
        } else if (basis == 16 && c >= 'a' && c <= 'f') {
            d = static_cast<uint32_t>(c - 'a' + 10);
        } else if (basis == 16 && c >= 'A' && c <= 'F') {
            d = static_cast<uint32_t>(c - 'A' + 10);
        } else {
            break;
        }
        z = z * basis + d;
        if (z > 0x10FFFF) {
            return {};
        }
    }
    if (k == ziffernanfang || k >= s.size() || s[k] != ';') {
        return {};
    }
    return {z, k + 1 - i};
}

struct Benannt {
    std::string_view referenz;
    char zeichen;
};

constexpr std::array<Benannt, 5> BENANNT = {{
    {"&quot;", '"'},
    {"&apos;", '\''},
    {"&gt;", '>'},
    {"&lt;", '<'},
    {"&amp;", '&'},
}};

}  // namespace

Text clear(const Text& s) {
    Text r;
    r.reserve(s.size());
    const std::string_view t(s);
    std::size_t i = 0;
    while (i < t.size()) {
        const char c = t[i];
        if (c == '\0') {
            break;
        }
        char byte;
        if (c == '&') {
            bool ersetzt = false;
            for (const Benannt& b : BENANNT) {
                if (t.substr(i, b.referenz.size()) == b.referenz) {
                    r += b.zeichen;
                    i += b.referenz.size();
                    ersetzt = true;
                    break;
                }
            }
            if (ersetzt) {
                continue;
            }
            const Utf8 ref = zeichenreferenz(t, i);
            if (ref.laenge > 0 && cp1252byte(ref.zeichen, byte)) {
                r += byte;
                i += ref.laenge;
                continue;
            }
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            const Utf8 u = utf8(t, i);
            if (u.laenge > 0 && cp1252byte(u.zeichen, byte)) {
                r += byte;
                i += u.laenge;
                continue;
            }
        }
        // Anything else passes as it is, byte by byte.
        r += c;
        ++i;
    }
    // From the first NUL on nothing is converted.
    r.append(t.substr(i));
    return r;
}

std::u16string cp1252toutf16(const Text& s) {
    std::u16string r;
    r.reserve(s.size());
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        r += (b >= 0x80 && b <= 0x9F) ? OBEN[b - 0x80] : static_cast<char16_t>(b);
    }
    return r;
}

}  // namespace tolvek
