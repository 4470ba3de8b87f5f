#pragma once
// The command line of tolvek-render.

#include <optional>
#include <string>
#include <vector>

namespace tolvek {

struct Aufruf {
    bool hilfe = false;
    bool version = false;
    bool langtext = false;
    std::optional<std::string> drucker;  // print on this printer instead of writing PDFs
    std::vector<std::string> dateien;
};

// Reads the arguments behind the program name. Raises std::invalid_argument with a message
// for an unknown option, an option without its value, or no file at all.
Aufruf leseaufruf(const std::vector<std::string>& argumente);

// The text of --help.
std::string hilfetext();

}  // namespace tolvek
