#pragma once
// A fresh empty folder for one test, removed with everything in it afterwards.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <set>
#include <string>

namespace tolvek::test {

class Ordner {
  public:
    Ordner() {
        std::string muster = testing::TempDir() + "dynapdf-XXXXXX";
        if (mkdtemp(muster.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        pfad_ = muster;
    }
    ~Ordner() {
        std::error_code ignoriert;
        std::filesystem::remove_all(pfad_, ignoriert);
    }
    Ordner(const Ordner&) = delete;
    Ordner& operator=(const Ordner&) = delete;

    std::string operator/(const std::string& name) const { return (pfad_ / name).string(); }

    // The names in the folder, to see that nothing was left behind.
    std::set<std::string> inhalt() const {
        std::set<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(pfad_)) {
            namen.insert(e.path().filename().string());
        }
        return namen;
    }

  private:
    std::filesystem::path pfad_;
};

}  // namespace tolvek::test
