#include "output/druckerausgabe.h"

#include <cmath>

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QString>

#include "text/clear.h"
#include "text/fehler.h"

namespace tolvek {

namespace {

QString alsqstring(const Text& text) {
    const std::u16string utf16 = cp1252toutf16(text);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

}  // namespace

DruckerAusgabe::DruckerAusgabe(QPrinter& drucker) : drucker_(drucker) {}

DruckerAusgabe::~DruckerAusgabe() {
    // A run always completes or discards its job; this only guards against a sink dropped
    // without either, which must not leave the printer active.
    if (canvas_.isActive()) {
        verwerfen();
    }
}

int32_t DruckerAusgabe::pixelpromm(int dpi) {
    return static_cast<int32_t>(std::nearbyint(static_cast<double>(dpi) / 25.4));
}

void DruckerAusgabe::platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                               int32_t schriftgroesse) {
    const int32_t quer = pixelpromm(drucker_.logicalDpiX());
    const int32_t hoch = pixelpromm(drucker_.logicalDpiY());
    if (!canvas_.isActive()) {
        if (!canvas_.begin(&drucker_)) {
            throw Exception("Der Druckauftrag konnte nicht begonnen werden: " +
                            drucker_.printerName().toStdString());
        }
    }
    QFont schrift(alsqstring(schriftart));
    schrift.setPointSize(schriftgroesse);
    canvas_.setFont(schrift);
    // The position is the top-left corner of the text's cell; Qt draws at the baseline.
    const int oben = static_cast<int>(y * hoch);
    const QPoint grundlinie(static_cast<int>(x * quer), oben + canvas_.fontMetrics().ascent());
    canvas_.drawText(grundlinie, alsqstring(text));
}

void DruckerAusgabe::neueseite() {
    if (canvas_.isActive()) {
        drucker_.newPage();
    }
}

Text DruckerAusgabe::abschliessen(const Text& /*pdfpfad*/) {
    if (canvas_.isActive()) {
        canvas_.end();
    }
    return Text();
}

void DruckerAusgabe::verwerfen() noexcept {
    if (canvas_.isActive()) {
        drucker_.abort();
        canvas_.end();
    }
}

}  // namespace tolvek
