#pragma once
// The error types of the program. Every error is an Exception carrying its message; the
// application's error display shows what().

#include <stdexcept>
#include <string>

namespace tolvek {

// The general error carrying a message (the PDF library binding raises it).
class Exception : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A file-system failure with the system's error code and its German message.
class EInOutError : public Exception {
  public:
    explicit EInOutError(int code);
    int code() const noexcept { return code_; }

    // The German message for an error code ("Datei nicht gefunden" for 2, "E/A-Fehler %d"
    // for codes without a message of their own).
    static std::string message(int code);
    // Maps an errno value onto the code table (ENOENT -> 2, EACCES -> 5, ...).
    static int codefromerrno(int err);
    // The error for a failed system call: the code of codefromerrno, and for an errno without
    // a code of its own "E/A-Fehler %d" even where the number equals a code of the table
    // (EIO is 5, which must not read "Dateizugriff verweigert").
    static EInOutError fromerrno(int err);

  private:
    EInOutError(int code, const std::string& meldung);

    int code_;
};

// A number text that does not parse: "'%s' ist kein gültiger Gleitkommawert" with the whole text.
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

}  // namespace tolvek
