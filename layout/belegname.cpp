#include "layout/belegname.h"

#include <filesystem>

namespace tolvek {

Text dateinamensicher(const Text& rechnungsnr) {
    Text sicher = rechnungsnr;
    for (char& c : sicher) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || Text("/\\:*?\"<>|").find(c) != Text::npos) {
            c = '_';
        }
    }
    return sicher;
}

Text belegname(const Text& rechnungsnr) {
    return "Beleg-" + dateinamensicher(rechnungsnr) + ".pdf";
}

Text belegpfad(const Text& pfad, const Text& name) {
    Text ordner = std::filesystem::path(pfad).parent_path().native();
    if (ordner.empty()) {
        ordner = std::filesystem::current_path().native();
    }
    if (ordner.back() != '/') {
        ordner += '/';
    }
    return ordner + name;
}

}  // namespace tolvek
