// The render run: state, sections in order, completion.
#include "layout/renderlauf.h"

namespace tolvek {}  // namespace tolvek
