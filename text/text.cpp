#include "text/text.h"

#include <cstddef>
#include <string>

namespace tolvek {

namespace {

int32_t laenge(const Text& s) {
    return static_cast<int32_t>(s.size());
}

}  // namespace

Text copytext(const Text& s, int32_t start, int32_t count) {
    if (s.empty() || count <= 0) {
        return {};
    }
    // A start below 1 moves to the first byte; the count stays as it was.
    if (start < 1) {
        start = 1;
    }
    if (start > laenge(s)) {
        return {};
    }
    const auto von = static_cast<std::size_t>(start - 1);
    return s.substr(von, static_cast<std::size_t>(count));
}

int32_t findtext(const Text& needle, const Text& s) {
    if (needle.empty() || s.empty()) {
        return 0;
    }
    const std::size_t pos = s.find(needle);
    return pos == Text::npos ? 0 : static_cast<int32_t>(pos) + 1;
}

void deletetext(Text& s, int32_t start, int32_t count) {
    // Unlike copytext, a start below 1 deletes nothing.
    if (s.empty() || start < 1 || start > laenge(s) || count <= 0) {
        return;
    }
    s.erase(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

Text replaceall(const Text& s, const Text& old, const Text& neu) {
    // Only the bytes in front of the first NUL are searched; an occurrence has to end in front
    // of it. Everything from the NUL on is copied as it stands.
    const std::size_t grenze = s.find('\0');
    const std::size_t suchende = grenze == Text::npos ? s.size() : grenze;
    if (old.empty()) {
        return s;
    }
    Text ergebnis;
    ergebnis.reserve(s.size());
    std::size_t rest = 0;
    while (rest < suchende) {
        const std::size_t fund = s.find(old, rest);
        if (fund == Text::npos || fund + old.size() > suchende) {
            break;
        }
        ergebnis.append(s, rest, fund - rest);
        ergebnis += neu;
        rest = fund + old.size();
    }
    ergebnis.append(s, rest, Text::npos);
    return ergebnis;
}

Text formatinteger(int32_t n) {
    return std::to_string(n);
}

}  // namespace tolvek
