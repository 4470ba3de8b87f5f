#include "layout/renderzustand.h"

#include "text/wertsuche.h"

namespace tolvek {

Text Renderzustand::wert(const Text& fragment, const Text& open, const Text& close) const {
    return getvalue(fragment, open, close, felder.wertnr);
}

Text dezimalkomma(const Text& betrag) {
    return replaceall(betrag, ".", ",");
}

}  // namespace tolvek
