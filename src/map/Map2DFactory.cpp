#include "map/Map2DFactory.h"

#include "base/IniFile.h"
#include "map/Map2D.h"

void Map2DFactory::loadSetupFromIni(IniFile* ini, std::string section) {
    options = ini ? MapSettings::fromIni(ini->getSection(section)) : MapSettings();
}

void Map2DFactory::setup(IniFile* ini, std::string section) {
    // A new map starts from the usual settings, written out so the pilot
    // finds every key in the configuration.
    options = MapSettings();
    storeMapSettings(ini, section, options);
}

IPanel* Map2DFactory::Create() { return new Map2D(context, options); }

void Map2DFactory::renderPreview(irr::core::rect<int> area) {
    Map2D preview(context, options);
    preview.renderPreview(area);
}

void Map2DFactory::renderPreview(irr::core::rect<int> area, IPanel* panel) {
    if (panel) panel->renderPreview(area);
    else renderPreview(area);
}
