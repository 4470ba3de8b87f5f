#include "text/fehler.h"

#include <cerrno>
#include <string>

namespace tolvek {

namespace {

// The codes that have a message of their own.
const char* eigenemeldung(int code) {
    switch (code) {
        case 2:
            return "Datei nicht gefunden";
        case 3:
            return "Ungültiger Dateiname";
        case 4:
            return "Zu viele geöffnete Dateien";
        case 5:
            return "Dateizugriff verweigert";
        case 100:
            return "Versuch hinter dem Dateiende zu lesen";
        case 101:
            return "Zu wenig Speicherplatz";
        case 106:
            return "Ungültige numerische Eingabe";
        default:
            return nullptr;
    }
}

// errno values that map onto a code of the table; every other errno is its own code.
int tabellencode(int err) {
    switch (err) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EISDIR:
            return 5;
        case ENOSPC:
            return 101;
        default:
            return 0;
    }
}

}  // namespace

EInOutError::EInOutError(int code) : Exception(message(code)), code_(code) {}

EInOutError::EInOutError(int code, const std::string& meldung) : Exception(meldung), code_(code) {}

std::string EInOutError::message(int code) {
    if (const char* m = eigenemeldung(code)) {
        return m;
    }
    return "E/A-Fehler " + std::to_string(code);
}

int EInOutError::codefromerrno(int err) {
    const int code = tabellencode(err);
    return code != 0 ? code : err;
}

EInOutError EInOutError::fromerrno(int err) {
    const int code = tabellencode(err);
    if (code != 0) {
        return EInOutError(code);
    }
    // An errno that happens to equal a code of the table (EIO is 5) is still a plain
    // input/output error, not "Dateizugriff verweigert".
    return EInOutError(err, "E/A-Fehler " + std::to_string(err));
}

}  // namespace tolvek
