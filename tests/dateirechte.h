#pragma once
// Whether file permissions bind this process. The superuser with its usual capabilities reads
// and writes through them, so the cases of a file that may not be read or a folder that may not
// be written only show where they bind; test.sh runs the suites once more as root without the
// capabilities that override permissions. The answer is probed, not guessed from the user id.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tolvek::test {

inline bool dateirechtegelten() {
    std::string name = (std::filesystem::temp_directory_path() / "tolvek-rechte-XXXXXX").string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::chmod(name.c_str(), 0);
    const int wieder = ::open(name.c_str(), O_RDONLY);
    if (wieder >= 0) {
        ::close(wieder);
    }
    ::unlink(name.c_str());
    return wieder < 0;
}

}  // namespace tolvek::test
