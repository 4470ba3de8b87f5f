#pragma once
// Writing the finished document under its final name without ever leaving a partial file
// there.

#include <cstdio>
#include <string>

namespace dynapdf {

// Copies quelle from its start to its end into the file ziel. The bytes go into a new file
// beside ziel, which is flushed to the disk and only then renamed to ziel, so ziel is either
// the complete new file or what it was before. On any failure (missing folder, no permission,
// disk full) the new file is removed again and the result is false.
bool schreibeersetzend(std::FILE* quelle, const std::string& ziel);

}  // namespace dynapdf
