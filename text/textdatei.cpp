#include "text/textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "text/fehler.h"

namespace tolvek {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char CTRLZ = '\x1a';

// Reading or closing a reader that is not open.
constexpr int NICHTOFFEN = 103;

}  // namespace

TextDatei::TextDatei(TextDatei&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      puffer_(other.puffer_),
      pos_(std::exchange(other.pos_, 0)),
      ende_(std::exchange(other.ende_, 0)) {}

TextDatei& TextDatei::operator=(TextDatei&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        puffer_ = other.puffer_;
        pos_ = std::exchange(other.pos_, 0);
        ende_ = std::exchange(other.ende_, 0);
    }
    return *this;
}

TextDatei::~TextDatei() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool TextDatei::fill() {
    if (fd_ < 0) {
        throw EInOutError(NICHTOFFEN);
    }
    ssize_t n;
    do {
        n = ::read(fd_, puffer_.data(), puffer_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        throw EInOutError::fromerrno(errno);
    }
    pos_ = 0;
    ende_ = static_cast<std::size_t>(n);
    return n > 0;
}

TextDatei opentext(const Text& name) {
    // The system takes the name up to its first NUL; a name holding one is no valid name.
    if (name.find('\0') != Text::npos) {
        throw EInOutError(3);
    }
    TextDatei f;
    do {
        f.fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    } while (f.fd_ < 0 && errno == EINTR);
    if (f.fd_ < 0) {
        throw EInOutError::fromerrno(errno);
    }
    // A folder opens for reading on Linux; it is refused here as the access it is.
    struct stat info;
    if (::fstat(f.fd_, &info) != 0) {
        throw EInOutError::fromerrno(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        throw EInOutError::fromerrno(EISDIR);
    }
    return f;
}

bool atend(TextDatei& f) {
    if (f.pos_ == f.ende_ && !f.fill()) {
        return true;
    }
    return f.puffer_[f.pos_] == CTRLZ;
}

Text readline(TextDatei& f) {
    Text zeile;
    for (;;) {
        if (f.pos_ == f.ende_ && !f.fill()) {
            return zeile;
        }
        const char* anfang = f.puffer_.data() + f.pos_;
        const char* ende = f.puffer_.data() + f.ende_;
        const char* p = anfang;
        while (p != ende && *p != CR && *p != LF && *p != CTRLZ) {
            ++p;
        }
        zeile.append(anfang, p);
        f.pos_ += static_cast<std::size_t>(p - anfang);
        if (p == ende) {
            continue;
        }
        // Ctrl-Z ends the file: it stays where it is, so atend sees it from now on.
        if (*p == CTRLZ) {
            return zeile;
        }
        ++f.pos_;
        if (*p == CR) {
            // The LF of a CR LF may come with the next 128 bytes.
            if (f.pos_ == f.ende_ && !f.fill()) {
                return zeile;
            }
            if (f.puffer_[f.pos_] == LF) {
                ++f.pos_;
            }
        }
        return zeile;
    }
}

void closetext(TextDatei& f) {
    if (f.fd_ < 0) {
        throw EInOutError(NICHTOFFEN);
    }
    const int fd = std::exchange(f.fd_, -1);
    f.pos_ = f.ende_ = 0;
    // On Linux the descriptor is released even when close reports EINTR.
    if (::close(fd) != 0 && errno != EINTR) {
        throw EInOutError::fromerrno(errno);
    }
}

}  // namespace tolvek
