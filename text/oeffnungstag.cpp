#include "text/oeffnungstag.h"

#include <cstddef>

namespace tolvek {

namespace {

bool istleerraum(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

Oeffnungstag Oeffnungssuche::in(const Text& s) const {
    std::size_t von = 0;
    for (;;) {
        const std::size_t i = s.find(kopf_, von);
        if (i == Text::npos) {
            return {};
        }
        const std::size_t hinterkopf = i + kopf_.size();
        if (hinterkopf < s.size()) {
            if (s[hinterkopf] == '>') {
                return {static_cast<int32_t>(i + 1), static_cast<int32_t>(hinterkopf + 2)};
            }
            if (istleerraum(s[hinterkopf])) {
                const std::size_t zu = s.find('>', hinterkopf);
                if (zu == Text::npos) {
                    // No ">" further on: no later tag can be complete either.
                    return {};
                }
                if (s[zu - 1] != '/') {
                    return {static_cast<int32_t>(i + 1), static_cast<int32_t>(zu + 2)};
                }
            }
        }
        von = i + 1;
    }
}

}  // namespace tolvek
