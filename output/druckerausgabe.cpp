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
    verwerfen();
}

int32_t DruckerAusgabe::pixelpromm(int dpi) {
    return static_cast<int32_t>(std::nearbyint(static_cast<double>(dpi) / 25.4));
}

void DruckerAusgabe::platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                               int32_t schriftgroesse) {
    if (seiten_.empty()) {
        seiten_.emplace_back();
    }
    seiten_.back().push_back(Eintrag{x, y, text, schriftart, schriftgroesse});
}

void DruckerAusgabe::neueseite() {
    if (!seiten_.empty()) {
        seiten_.emplace_back();
    }
}

void DruckerAusgabe::zeichne(const Eintrag& e) {
    // Worked out anew for every placement, across and down separately.
    const int32_t quer = pixelpromm(drucker_.logicalDpiX());
    const int32_t hoch = pixelpromm(drucker_.logicalDpiY());
    QFont schrift(alsqstring(e.schriftart));
    schrift.setPointSize(e.groesse);
    canvas_.setFont(schrift);
    // The position is the top-left corner of the text's cell; Qt draws at the baseline.
    const QPoint grundlinie(static_cast<int>(e.x * quer),
                            static_cast<int>(e.y * hoch) + canvas_.fontMetrics().ascent());
    canvas_.drawText(grundlinie, alsqstring(e.text));
}

Text DruckerAusgabe::abschliessen(const Text& /*pdfpfad*/) {
    if (seiten_.empty()) {
        return Text();
    }
    if (!canvas_.begin(&drucker_)) {
        throw Exception("Der Druckauftrag konnte nicht begonnen werden: " +
                        drucker_.printerName().toStdString());
    }
    for (std::size_t i = 0; i < seiten_.size(); ++i) {
        if (i > 0) {
            drucker_.newPage();
        }
        for (const Eintrag& e : seiten_[i]) {
            zeichne(e);
        }
    }
    canvas_.end();
    seiten_.clear();
    return Text();
}

void DruckerAusgabe::verwerfen() noexcept {
    seiten_.clear();
    if (canvas_.isActive()) {
        drucker_.abort();
        canvas_.end();
    }
}

}  // namespace tolvek
