#include "output/aufzeichnung.h"

namespace tolvek {

void Aufzeichnung::platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                             int32_t schriftgroesse) {
    platzierungen_.push_back(Platzierung{seite_, x, y, text, schriftart, schriftgroesse});
}

void Aufzeichnung::neueseite() {
    ++seite_;
}

Text Aufzeichnung::abschliessen(const Text& pdfpfad) {
    ++abschluesse_;
    pdfpfad_ = pdfpfad;
    return pdfpfad;
}

void Aufzeichnung::verwerfen() noexcept {
    ++verwerfungen_;
}

Text Aufzeichnung::zeile(const Platzierung& p) {
    return std::to_string(p.seite) + " " + std::to_string(p.x) + " " + std::to_string(p.y) + " " +
           std::to_string(p.groesse) + " " + p.text;
}

Text Aufzeichnung::protokoll() const {
    Text aus;
    for (const Platzierung& p : platzierungen_) {
        aus += zeile(p);
        aus += '\n';
    }
    return aus;
}

}  // namespace tolvek
