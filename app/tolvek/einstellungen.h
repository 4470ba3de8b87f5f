#pragma once
// The settings file tolvek1.ini: one line, the operator name as Windows-1252 bytes followed by
// CR LF. It is always addressed by its bare name, so it lies in the current directory at the
// moment of access, which the open dialog moves to the chosen e-invoice's folder.

#include <optional>

#include "text/text.h"

namespace tolvek {

inline constexpr const char* einstellungsdatei = "tolvek1.ini";

// The first line of the file (up to CR, LF, Ctrl-Z or the end), or nothing when no file of
// that name exists. A file that exists but cannot be opened or read raises EInOutError.
std::optional<Text> leseeinstellung(const Text& name = einstellungsdatei);

// Replaces the file with the one line bearbeiter + CR LF. The new content goes to a temporary
// file beside it that is then renamed over the old one, so a failed write leaves the old file
// whole. Returns false on any failure; the caller ignores it.
bool schreibeeinstellung(const Text& bearbeiter, const Text& name = einstellungsdatei);

}  // namespace tolvek
