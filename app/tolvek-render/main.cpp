// tolvek-render: renders e-invoices the way the Start button does, without a window.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>

#include "aufruf.h"
#include "layout/renderlauf.h"
#include "output/ausgabe.h"
#include "output/druckerausgabe.h"
#include "output/pdfausgabe.h"
#include "output/tpdf.h"
#include "text/zahlen.h"

namespace {

constexpr const char* kVersion = "Tolvek Kavrin Version 20.25.01";

// A one-line progress display on standard error, drawn only when that is a terminal and
// there is more than one file; every other output line first clears it.
class Fortschritt {
  public:
    explicit Fortschritt(std::size_t gesamt)
        : gesamt_(gesamt), an_(gesamt > 1 && isatty(STDERR_FILENO) == 1) {}

    void zeige(std::size_t nr, const std::string& datei) {
        if (an_) {
            std::cerr << "\r\x1b[K[" << nr << "/" << gesamt_ << "] " << datei << std::flush;
        }
    }
    void loesche() {
        if (an_) {
            std::cerr << "\r\x1b[K" << std::flush;
        }
    }

  private:
    std::size_t gesamt_;
    bool an_;
};

// Renders every file onto outputs made by neueausgabe; returns the exit status.
template <typename Ausgabemacher>
int rendereall(const tolvek::Aufruf& aufruf, Ausgabemacher neueausgabe) {
    int status = 0;
    Fortschritt fortschritt(aufruf.dateien.size());
    for (std::size_t i = 0; i < aufruf.dateien.size(); ++i) {
        const std::string& datei = aufruf.dateien[i];
        fortschritt.zeige(i + 1, datei);
        tolvek::Hauptfelder felder;
        try {
            auto ausgabe = neueausgabe();
            const tolvek::Text pfad = tolvek::rendere(felder, datei, aufruf.langtext, *ausgabe);
            fortschritt.loesche();
            if (!pfad.empty()) {
                std::cout << pfad << '\n' << std::flush;
            }
        } catch (const std::exception& e) {
            fortschritt.loesche();
            std::cerr << datei << ": " << e.what() << '\n' << std::flush;
            status = 1;
        }
    }
    fortschritt.loesche();
    return status;
}

int druckeall(const tolvek::Aufruf& aufruf, int argc, char** argv) {
    // Printing needs fonts and a platform, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString name = QString::fromLocal8Bit(*aufruf.drucker);
    if (QPrinterInfo::printerInfo(name).isNull()) {
        std::cerr << "tolvek-render: Drucker nicht gefunden: " << *aufruf.drucker << '\n';
        return 1;
    }
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPrinterName(name);
    return rendereall(aufruf,
                      [&drucker] { return std::make_unique<tolvek::DruckerAusgabe>(drucker); });
}

}  // namespace

int main(int argc, char** argv) {
    tolvek::Aufruf aufruf;
    try {
        aufruf = tolvek::leseaufruf(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::cerr << "tolvek-render: " << e.what() << "\n"
                  << "Try 'tolvek-render --help'.\n";
        return 2;
    }
    if (aufruf.hilfe) {
        std::cout << tolvek::hilfetext();
        return 0;
    }
    if (aufruf.version) {
        std::cout << kVersion << '\n';
        return 0;
    }

    tolvek::readdecimalseparator();
    if (aufruf.drucker) {
        return druckeall(aufruf, argc, argv);
    }
    // One library instance for the whole process, as the window keeps it.
    std::unique_ptr<tolvek::TPDF> pdf;
    return rendereall(aufruf, [&pdf] { return std::make_unique<tolvek::PdfAusgabe>(pdf); });
}
