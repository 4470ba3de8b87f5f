#include "platform/dynapdf/zieldatei.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace dynapdf {

namespace {

// The new file beside the target: closed and removed unless it was renamed into place.
class Neuedatei {
  public:
    explicit Neuedatei(const std::string& ziel) {
        // O_EXCL: never write into a file somebody else has put there; the mode follows umask
        // like any file the user creates.
        for (int versuch = 0; versuch < 100 && fd_ < 0; ++versuch) {
            name_ = ziel + ".~" + std::to_string(getpid()) + "-" + std::to_string(versuch);
            fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST) {
                break;
            }
        }
        angelegt_ = fd_ >= 0;
    }
    ~Neuedatei() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (angelegt_ && !umbenannt_) {
            ::unlink(name_.c_str());
        }
    }
    Neuedatei(const Neuedatei&) = delete;
    Neuedatei& operator=(const Neuedatei&) = delete;

    bool offen() const { return fd_ >= 0; }

    bool schreibe(const char* daten, std::size_t laenge) {
        while (laenge > 0) {
            const ssize_t n = ::write(fd_, daten, laenge);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            daten += n;
            laenge -= static_cast<std::size_t>(n);
        }
        return true;
    }

    // Flushes, closes and renames; a failing close can report a late write error (NFS).
    bool fertig(const std::string& ziel) {
        if (::fsync(fd_) != 0) {
            return false;
        }
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            return false;
        }
        if (::rename(name_.c_str(), ziel.c_str()) != 0) {
            return false;
        }
        umbenannt_ = true;
        return true;
    }

  private:
    std::string name_;
    int fd_ = -1;
    bool angelegt_ = false;
    bool umbenannt_ = false;
};

}  // namespace

bool schreibeersetzend(std::FILE* quelle, const std::string& ziel) {
    if (ziel.empty() || std::fflush(quelle) != 0 || std::fseek(quelle, 0, SEEK_SET) != 0) {
        return false;
    }
    Neuedatei neu(ziel);
    if (!neu.offen()) {
        return false;
    }
    std::vector<char> puffer(64 * 1024);
    for (;;) {
        const std::size_t n = std::fread(puffer.data(), 1, puffer.size(), quelle);
        if (n > 0 && !neu.schreibe(puffer.data(), n)) {
            return false;
        }
        if (n < puffer.size()) {
            break;
        }
    }
    if (std::ferror(quelle)) {
        return false;
    }
    return neu.fertig(ziel);
}

}  // namespace dynapdf
