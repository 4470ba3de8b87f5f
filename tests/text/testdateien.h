#pragma once
// Paths of the test files and a temporary folder for files written by a test.

#include <cstddef>
#include <string>
#include <vector>

namespace tolvek::test {

// The path of a fixture in tests/fixtures/text.
std::string fixture(const std::string& name);

// The sample e-invoices of the corpus, sorted by name; empty when the corpus is not there.
std::vector<std::string> corpusdateien();

// The number of file descriptors the process holds.
std::size_t offenedeskriptoren();

// All bytes of a file.
std::string lies(const std::string& pfad);

// A folder of its own, removed with everything in it when the object goes.
class Tempordner {
  public:
    Tempordner();
    ~Tempordner();
    Tempordner(const Tempordner&) = delete;
    Tempordner& operator=(const Tempordner&) = delete;

    const std::string& pfad() const { return pfad_; }
    // Writes the bytes into the file name inside the folder and returns its path.
    std::string schreibe(const std::string& name, const std::string& bytes) const;

  private:
    std::string pfad_;
};

}  // namespace tolvek::test
