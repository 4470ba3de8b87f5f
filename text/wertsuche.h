#pragma once
// The value lookup: the content of the wertnr-th element inside a fragment in memory.

#include <cstdint>

#include "text/text.h"

namespace tolvek {

// Never fails: an absent element gives the empty text, a missing opening tag with a closing
// tag present gives the stretch of the fragment in front of that closing tag.
Text getvalue(const Text& fragment, const Text& open, const Text& close, int32_t wertnr);

}  // namespace tolvek
