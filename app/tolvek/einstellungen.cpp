#include "app/tolvek/einstellungen.h"

#include <filesystem>
#include <system_error>

#include <QFile>
#include <QSaveFile>

#include "text/textdatei.h"

namespace tolvek {

std::optional<Text> leseeinstellung(const Text& name) {
    std::error_code fehler;
    // Anything of that name counts as present (a folder too), so that opening it reports what
    // is wrong; a name whose existence cannot even be checked is left to the opening as well.
    if (!std::filesystem::exists(std::filesystem::path(name), fehler) && !fehler) {
        return std::nullopt;
    }
    TextDatei datei = opentext(name);
    Text zeile = readline(datei);
    closetext(datei);
    return zeile;
}

bool schreibeeinstellung(const Text& bearbeiter, const Text& name) {
    QSaveFile datei(QFile::decodeName(QByteArray::fromStdString(name)));
    // Unbuffered, so a short write (disk full, file size limit) shows here. Buffered, the bytes
    // would only be written by the flush inside commit(), and Qt 6.4 does not count a failed
    // flush as a failed write there: it would rename the cut file over the old one.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray zeile = QByteArray::fromStdString(bearbeiter) + "\r\n";
    if (datei.write(zeile) != zeile.size()) {
        return false;  // the unfinished temporary file is removed, the old file stays
    }
    return datei.commit();
}

}  // namespace tolvek
