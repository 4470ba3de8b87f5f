#include "tests/app/testumgebung.h"

#include <QPrintDialog>
#include <QPrinter>

void TestUmgebung::leere() {
    *this = TestUmgebung();
}

void TestUmgebung::meldung(QWidget*, const QString& titel, const QString& text) {
    boxen.push_back({false, titel, text});
}

void TestUmgebung::fehlermeldung(QWidget*, const QString& titel, const QString& text) {
    boxen.push_back({true, titel, text});
}

QString TestUmgebung::dateiwahl(QFileDialog& dialog) {
    dateidialoge.push_back({dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                            dialog.fileMode(), dialog.acceptMode()});
    if (dateiantworten.empty()) {
        return {};
    }
    QString antwort = dateiantworten.front();
    dateiantworten.pop_front();
    return antwort;
}

bool TestUmgebung::druckerwahl(QPrintDialog& dialog) {
    ++druckdialoge;
    if (druckantworten.empty()) {
        return false;
    }
    const std::optional<QString> antwort = druckantworten.front();
    druckantworten.pop_front();
    if (!antwort) {
        return false;
    }
    // A "printer" that writes what it prints into a PDF file, as a confirmed dialog would
    // leave a real one set up.
    dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog.printer()->setOutputFileName(*antwort);
    return true;
}

void TestUmgebung::zeigedatei(const QString& pfad) {
    geoeffnet.push_back(pfad);
}

void TestUmgebung::zeigeadresse(const QUrl& adresse) {
    adressen.push_back(adresse);
}

TestUmgebung& testumgebung() {
    static TestUmgebung umgebung;
    return umgebung;
}
