#include "aufruf.h"

#include <stdexcept>

namespace tolvek {

Aufruf leseaufruf(const std::vector<std::string>& argumente) {
    Aufruf aufruf;
    bool nurdateien = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (nurdateien || a.empty() || a[0] != '-' || a == "-") {
            aufruf.dateien.push_back(a);
        } else if (a == "--") {
            nurdateien = true;
        } else if (a == "--help" || a == "-h") {
            aufruf.hilfe = true;
        } else if (a == "--version") {
            aufruf.version = true;
        } else if (a == "--langtext") {
            aufruf.langtext = true;
        } else if (a == "--printer") {
            if (i + 1 >= argumente.size()) {
                throw std::invalid_argument("--printer needs a printer name");
            }
            aufruf.drucker = argumente[++i];
        } else if (a.rfind("--printer=", 0) == 0) {
            aufruf.drucker = a.substr(10);
        } else {
            throw std::invalid_argument("unknown option " + a);
        }
    }
    if (!aufruf.hilfe && !aufruf.version && aufruf.dateien.empty()) {
        throw std::invalid_argument("no e-invoice file given");
    }
    return aufruf;
}

std::string hilfetext() {
    return "Usage: tolvek-render [--langtext] [--printer NAME] FILE.xml...\n"
           "\n"
           "Renders each UBL e-invoice as a German A4 invoice document. The PDF goes into the\n"
           "e-invoice's folder as Beleg-<invoice number>.pdf; its path is printed on standard\n"
           "output, one line per file.\n"
           "\n"
           "  --langtext        print the items' long descriptions below their names\n"
           "  --printer NAME    print on the printer NAME instead of writing PDF files\n"
           "  --help            show this help and exit\n"
           "  --version         show the program version and exit\n"
           "\n"
           "A file that fails is reported on standard error as \"FILE: message\"; the other\n"
           "files are still rendered. Exit status: 0 all rendered, 1 a file failed,\n"
           "2 bad usage.\n";
}

}  // namespace tolvek
