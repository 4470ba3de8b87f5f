#pragma once
// The line reader: a file read forward 128 bytes at a time. A line ends at CR LF, CR alone or
// LF alone; a Ctrl-Z byte ends the file.

#include <array>
#include <cstddef>

#include "text/text.h"

namespace tolvek {

class TextDatei {
  public:
    TextDatei() = default;
    TextDatei(const TextDatei&) = delete;
    TextDatei& operator=(const TextDatei&) = delete;
    TextDatei(TextDatei&& other) noexcept;
    TextDatei& operator=(TextDatei&& other) noexcept;
    ~TextDatei();  // closes a file still open

    bool isopen() const noexcept { return fd_ >= 0; }

  private:
    friend TextDatei opentext(const Text& name);
    friend bool atend(TextDatei& f);
    friend Text readline(TextDatei& f);
    friend void closetext(TextDatei& f);

    bool fill();  // reads the next 128 bytes; false at the end of the file

    int fd_ = -1;
    std::array<char, 128> puffer_{};
    std::size_t pos_ = 0;
    std::size_t ende_ = 0;
};

// Opens an existing file for reading; raises EInOutError (2 "Datei nicht gefunden", ...).
TextDatei opentext(const Text& name);
// True when no byte is left or the next byte is Ctrl-Z.
bool atend(TextDatei& f);
// The next line without its line end; the reader moves past CR LF, CR or LF.
Text readline(TextDatei& f);
// Releases the file.
void closetext(TextDatei& f);

}  // namespace tolvek
