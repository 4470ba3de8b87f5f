#include "app/tolvek/zeichensatz.h"

#include <array>

#include "text/clear.h"

namespace tolvek {

namespace {

// The characters of the bytes 0x80 to 0x9F, taken from the text core's own table so the two
// directions cannot disagree.
const std::array<char16_t, 32>& obererbereich() {
    static const std::array<char16_t, 32> tabelle = [] {
        std::array<char16_t, 32> t{};
        for (int b = 0x80; b < 0xA0; ++b) {
            t[static_cast<std::size_t>(b - 0x80)] =
                cp1252toutf16(Text(1, static_cast<char>(b))).at(0);
        }
        return t;
    }();
    return tabelle;
}

}  // namespace

Text utf16tocp1252(const QString& s) {
    Text bytes;
    bytes.reserve(static_cast<std::size_t>(s.size()));
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += static_cast<char>(c);
            continue;
        }
        char byte = '?';
        const auto& oben = obererbereich();
        for (std::size_t k = 0; k < oben.size(); ++k) {
            if (oben[k] == c) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            ++i;
        }
        bytes += byte;
    }
    return bytes;
}

QString cp1252toqstring(const Text& s) {
    return QString::fromStdU16String(cp1252toutf16(s));
}

}  // namespace tolvek
