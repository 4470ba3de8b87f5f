#pragma once
// The product's fixed texts: the name and version in the main window's caption and in the
// about window, the maker, and the web address that the memo shows and "Tolvek im Internet"
// opens.

namespace tolvek {

inline constexpr const char* produktname = "Tolvek Kavrin";
inline constexpr const char* produktversion = "Version 20.25.01";
inline constexpr const char* produktstand = "Stand 06.12.2024";
inline constexpr const char* hersteller = "Tolvek Kavrin GmbH";
// A reserved example domain: the product has no real web site.
inline constexpr const char* webadresse = "https://www.tolvek.example";

}  // namespace tolvek
