#pragma once
// Which VAT rate an item's rate text stands for.

#include "text/text.h"

namespace tolvek {

// True when satz (after the decimal comma) is the whole number ganz written alone or followed
// by "," and nothing but zeros: "19", "19,", "19,0", "19,00" match "19"; "19,5", "019", "+19",
// " 19" and "19.00" do not. Compared as bytes, so no locale is involved.
bool satzpasst(const Text& satz, const Text& ganz);

}  // namespace tolvek
