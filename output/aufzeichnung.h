#pragma once
// A sink that keeps every placement instead of drawing it: the tests read a render run's
// placements back, page by page, and compare them with the expected positions.

#include <cstdint>
#include <string>
#include <vector>

#include "output/ausgabe.h"
#include "text/text.h"

namespace tolvek {

struct Platzierung {
    int32_t seite;  // 1 for the first page of the run
    int32_t x;
    int32_t y;
    Text text;  // after the normalisation
    Text schriftart;
    int32_t groesse;
};

class Aufzeichnung final : public Ausgabe {
  public:
    void neueseite() override;
    // Keeps the path and reports it as written (a recording writes no file).
    Text abschliessen(const Text& pdfpfad) override;
    void verwerfen() noexcept override;

    const std::vector<Platzierung>& platzierungen() const { return platzierungen_; }
    int32_t seiten() const { return seite_; }
    int32_t abschluesse() const { return abschluesse_; }
    int32_t verwerfungen() const { return verwerfungen_; }
    const Text& pdfpfad() const { return pdfpfad_; }

    // One line per placement, "seite x y groesse text", the text as its bytes.
    static Text zeile(const Platzierung& p);
    Text protokoll() const;

  protected:
    void platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                   int32_t schriftgroesse) override;

  private:
    std::vector<Platzierung> platzierungen_;
    int32_t seite_ = 1;
    int32_t abschluesse_ = 0;
    int32_t verwerfungen_ = 0;
    Text pdfpfad_;
};

}  // namespace tolvek
