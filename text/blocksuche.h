#pragma once
// The block search: the text between an element's opening and closing tag in the e-invoice
// file, for the blocknr-th block. It reads lines and matches literal tag texts; it parses no XML.

#include <cstdint>
#include <memory>

#include "text/text.h"

namespace tolvek {

// One search that reads the file from its first line (skip phase, then scan phase).
// Raises EInOutError when the file cannot be opened or read.
Text getdata(const Text& dateiname, int32_t blocknr, const Text& open, const Text& close);

// The same searches for a whole render run: the file is read once, on the first call, and
// every later call answers from memory what reading the file from its start would return.
class Blocksuche {
  public:
    Blocksuche();
    ~Blocksuche();
    Blocksuche(const Blocksuche&) = delete;
    Blocksuche& operator=(const Blocksuche&) = delete;

    Text getdata(const Text& dateiname, int32_t blocknr, const Text& open, const Text& close);

  private:
    struct Datei;
    std::unique_ptr<Datei> datei_;
};

}  // namespace tolvek
