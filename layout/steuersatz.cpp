#include "layout/steuersatz.h"

#include <algorithm>

namespace tolvek {

bool satzpasst(const Text& satz, const Text& ganz) {
    if (satz.size() < ganz.size() || satz.compare(0, ganz.size(), ganz) != 0) {
        return false;
    }
    if (satz.size() == ganz.size()) {
        return true;
    }
    if (satz[ganz.size()] != ',') {
        return false;
    }
    return std::all_of(satz.begin() + static_cast<std::ptrdiff_t>(ganz.size()) + 1, satz.end(),
                       [](char c) { return c == '0'; });
}

}  // namespace tolvek
