#include "text/wertsuche.h"

#include "text/oeffnungstag.h"

namespace tolvek {

Text getvalue(const Text& fragment, const Text& open, const Text& close, int32_t wertnr) {
    const Oeffnungssuche oeffnung(open);
    const Text schliesser = "</" + close + ">";
    const auto schliesserlaenge = static_cast<int32_t>(schliesser.size());

    Text f = fragment;
    Oeffnungstag o = oeffnung.in(f);
    int32_t q = findtext(schliesser, f);
    for (int32_t n = 1; n < wertnr; ++n) {
        // Once no closing tag is left the result is empty, whatever further cuts do.
        if (q == 0) {
            return {};
        }
        f = copytext(f, q + schliesserlaenge, static_cast<int32_t>(f.size()));
        o = oeffnung.in(f);
        q = findtext(schliesser, f);
    }
    // Without an opening tag the value starts where it would behind a literal "<open>" at the
    // very start: the layout reads quantities with other attributes out of that stretch.
    const int32_t s = o.p > 0 ? o.hinter : static_cast<int32_t>(open.size()) + 2;
    return copytext(f, s, q - s);
}

}  // namespace tolvek
