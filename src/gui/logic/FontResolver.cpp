#include "gui/logic/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include "base/FileUtils.h"
#include "base/Logger.h"

namespace {
const char* const kFallbackName = "Roboto Medium";
// Debian's fonts-roboto-unhinted, should fontconfig not know it.
const char* const kFallbackFile = "/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Medium.ttf";

// The first file fontconfig lists for the family in that style (the upright
// regular face when empty).
std::string listFont(const std::string& family, const std::string& style) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (!style.empty()) {
        FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(style.c_str()));
    } else {
        FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    }
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    std::string path;
    for (int i = 0; fonts && i < fonts->nfont && path.empty(); ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) == FcResultMatch && file)
            path = reinterpret_cast<const char*>(file);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return path;
}
}  // namespace

std::string findInstalledFont(const std::string& name) {
    if (name.empty() || !FcInit()) return "";
    const size_t blank = name.rfind(' ');
    std::string path;
    if (blank != std::string::npos) path = listFont(name.substr(0, blank), name.substr(blank + 1));
    if (path.empty()) path = listFont(name, "");
    return path;
}

ResolvedFont resolveFont(const std::string& name, const std::string& ownFontDirectory) {
    auto lookUp = [&](const std::string& wanted) {
        const std::string own = ownFontDirectory + wanted + ".ttf";
        return fileExists(own) ? own : findInstalledFont(wanted);
    };
    ResolvedFont font{lookUp(name), name, false};
    if (!font.path.empty()) return font;
    font = ResolvedFont{lookUp(kFallbackName), kFallbackName, true};
    if (font.path.empty() && fileExists(kFallbackFile)) font.path = kFallbackFile;
    logMessage("font " + name + " not installed, using " + kFallbackName);
    return font;
}
