#pragma once
#include <string>

// Finds the file of a font named in the settings ("Heebo Medium": a family,
// optionally followed by its style). The program's own font folder comes
// first, then the fonts installed on the system (through fontconfig). A name
// found nowhere falls back to Roboto Medium, which the program always has,
// and says so in the log.
struct ResolvedFont {
    std::string path;  // empty only when not even the fallback exists
    std::string name;  // the font actually used
    bool fellBack = false;
};

// ownFontDirectory holds "<name>.ttf" files (with a trailing "/").
ResolvedFont resolveFont(const std::string& name, const std::string& ownFontDirectory);

// The installed font file whose family and style match the name exactly
// (case-insensitive), or empty. "Roboto Medium" matches the family Roboto in
// the style Medium as well as a family called "Roboto Medium".
std::string findInstalledFont(const std::string& name);
