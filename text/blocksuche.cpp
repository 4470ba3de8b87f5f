#include "text/blocksuche.h"

#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text/oeffnungstag.h"
#include "text/textdatei.h"

namespace tolvek {

namespace {

// Turns the reader's lines into the pieces the skip and scan phases look at.
//
// Comments are no content: everything from "<!--" to the next "-->" is dropped, also when the
// comment runs over several lines. Then a line is split right behind every ">" that is followed,
// after nothing but blanks and tabs, by "<"; the blanks go with the next piece. So
// "</cac:InvoiceLine><cac:InvoiceLine>" and a minified document read like one tag per line,
// while joining the pieces without separators still gives the bytes of the line.
class Zerleger {
  public:
    template <class Ausgabe>
    void zeile(Text zeile, Ausgabe&& ausgabe) {
        zeile = ohnekommentare(std::move(zeile));
        std::size_t anfang = 0;
        for (std::size_t i = zeile.find('>'); i != Text::npos; i = zeile.find('>', i + 1)) {
            std::size_t j = i + 1;
            while (j < zeile.size() && (zeile[j] == ' ' || zeile[j] == '\t')) {
                ++j;
            }
            if (j < zeile.size() && zeile[j] == '<') {
                ausgabe(zeile.substr(anfang, i + 1 - anfang));
                anfang = i + 1;
            }
        }
        ausgabe(anfang == 0 ? std::move(zeile) : zeile.substr(anfang));
    }

  private:
    Text ohnekommentare(Text zeile) {
        if (!imkommentar_ && zeile.find("<!--") == Text::npos) {
            return zeile;
        }
        Text rest;
        std::size_t i = 0;
        while (i < zeile.size()) {
            if (imkommentar_) {
                const std::size_t ende = zeile.find("-->", i);
                if (ende == Text::npos) {
                    break;
                }
                i = ende + 3;
                imkommentar_ = false;
            } else {
                const std::size_t anfang = zeile.find("<!--", i);
                if (anfang == Text::npos) {
                    rest.append(zeile, i, Text::npos);
                    break;
                }
                rest.append(zeile, i, anfang - i);
                i = anfang + 4;
                imkommentar_ = true;
            }
        }
        return rest;
    }

    bool imkommentar_ = false;
};

// The pieces of a file, read from its first line as far as they are asked for.
class Dateiquelle {
  public:
    explicit Dateiquelle(const Text& dateiname) : datei_(opentext(dateiname)) {}

    const Text* naechstes() {
        while (vorrat_.empty()) {
            if (atend(datei_)) {
                return nullptr;
            }
            zerleger_.zeile(readline(datei_), [this](Text s) { vorrat_.push_back(std::move(s)); });
        }
        aktuell_ = std::move(vorrat_.front());
        vorrat_.pop_front();
        return &aktuell_;
    }

    void schliessen() { closetext(datei_); }

  private:
    TextDatei datei_;
    Zerleger zerleger_;
    std::deque<Text> vorrat_;
    Text aktuell_;
};

// The pieces of a file kept in memory, from a given piece on.
class Speicherquelle {
  public:
    Speicherquelle(const std::vector<Text>& stuecke, std::size_t von)
        : stuecke_(stuecke), naechstes_(von) {}

    const Text* naechstes() {
        return naechstes_ < stuecke_.size() ? &stuecke_[naechstes_++] : nullptr;
    }

  private:
    const std::vector<Text>& stuecke_;
    std::size_t naechstes_;
};

Text schliessertext(const Text& close) {
    return "</" + close + ">";
}

// The scan phase: the first block that starts at or behind the current piece.
template <class Quelle>
Text scanphase(Quelle& quelle, const Oeffnungssuche& oeffnung, const Text& schliesser) {
    Text r;
    bool geoeffnet = false;
    while (const Text* l = quelle.naechstes()) {
        const Oeffnungstag o = oeffnung.in(*l);
        const int32_t q = findtext(schliesser, *l);
        if (o.p > 0) {
            // A later opening tag starts the block afresh.
            geoeffnet = true;
            if (q > 0) {
                return copytext(*l, o.hinter, q - o.hinter);
            }
            r = copytext(*l, o.hinter, static_cast<int32_t>(l->size()));
        } else if (q > 0) {
            // A closing tag ends the search, also when no opening tag came before it.
            r += copytext(*l, 1, q - 1);
            return r;
        } else if (geoeffnet) {
            r += *l;
        }
    }
    return r;
}

}  // namespace

Text getdata(const Text& dateiname, int32_t blocknr, const Text& open, const Text& close) {
    Dateiquelle quelle(dateiname);
    const Text schliesser = schliessertext(close);
    // The skip phase passes blocknr - 1 pieces that hold a closing tag; a piece counts once,
    // however many it holds, and at the end of the file the remaining repetitions do nothing.
    bool dateiende = false;
    for (int32_t n = 1; n < blocknr && !dateiende; ++n) {
        for (;;) {
            const Text* l = quelle.naechstes();
            if (l == nullptr) {
                dateiende = true;
                break;
            }
            if (l->find(schliesser) != Text::npos) {
                break;
            }
        }
    }
    Text r = scanphase(quelle, Oeffnungssuche(open), schliesser);
    quelle.schliessen();
    return r;
}

struct Blocksuche::Datei {
    Text name;
    std::vector<Text> stuecke;
    // Per closing-tag text, the indices of the pieces that hold it: the skip phase of
    // blocknr then ends behind the (blocknr - 1)-th of them without looking at any piece.
    std::unordered_map<Text, std::vector<std::size_t>> schliesserstellen;

    const std::vector<std::size_t>& stellen(const Text& schliesser) {
        auto [eintrag, neu] = schliesserstellen.try_emplace(schliesser);
        if (neu) {
            for (std::size_t i = 0; i < stuecke.size(); ++i) {
                if (stuecke[i].find(schliesser) != Text::npos) {
                    eintrag->second.push_back(i);
                }
            }
        }
        return eintrag->second;
    }
};

Blocksuche::Blocksuche() = default;
Blocksuche::~Blocksuche() = default;

Text Blocksuche::getdata(const Text& dateiname, int32_t blocknr, const Text& open,
                         const Text& close) {
    if (!datei_ || datei_->name != dateiname) {
        datei_.reset();
        auto datei = std::make_unique<Datei>();
        datei->name = dateiname;
        TextDatei f = opentext(dateiname);
        Zerleger zerleger;
        while (!atend(f)) {
            zerleger.zeile(readline(f),
                           [&datei](Text s) { datei->stuecke.push_back(std::move(s)); });
        }
        closetext(f);
        datei_ = std::move(datei);
    }
    const Text schliesser = schliessertext(close);
    std::size_t von = 0;
    if (blocknr > 1) {
        const std::vector<std::size_t>& stellen = datei_->stellen(schliesser);
        const auto uebersprungen = static_cast<std::size_t>(blocknr - 1);
        von = uebersprungen <= stellen.size() ? stellen[uebersprungen - 1] + 1
                                              : datei_->stuecke.size();
    }
    Speicherquelle quelle(datei_->stuecke, von);
    return scanphase(quelle, Oeffnungssuche(open), schliesser);
}

}  // namespace tolvek
