#include "testdateien.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace tolvek::test {

namespace fs = std::filesystem;

std::string fixture(const std::string& name) {
    return std::string(TOLVEK_FIXTURES_DIR) + "/" + name;
}

std::vector<std::string> corpusdateien() {
    std::vector<std::string> dateien;
    std::error_code fehler;
    for (const auto& eintrag : fs::directory_iterator(TOLVEK_CORPUS_DIR, fehler)) {
        if (eintrag.path().extension() == ".xml") {
            dateien.push_back(eintrag.path().string());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

std::size_t offenedeskriptoren() {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) {
        ++n;
    }
    return n;
}

std::string lies(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    if (!f) {
        throw std::runtime_error("cannot read " + pfad);
    }
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

Tempordner::Tempordner() {
    std::string muster = (fs::temp_directory_path() / "tolvek-text-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    pfad_ = muster;
}

Tempordner::~Tempordner() {
    std::error_code fehler;
    fs::permissions(pfad_, fs::perms::owner_all, fs::perm_options::add, fehler);
    fs::remove_all(pfad_, fehler);
}

std::string Tempordner::schreibe(const std::string& name, const std::string& bytes) const {
    const std::string datei = pfad_ + "/" + name;
    std::ofstream f(datei, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) {
        throw std::runtime_error("cannot write " + datei);
    }
    return datei;
}

}  // namespace tolvek::test
