#pragma once
#include "map/MapContext.h"
#include "map/rules/MapSettings.h"
#include "panels/IPanelFactory.h"

// Makes the map panels ("2D-Map") of the layout with their settings.
class Map2DFactory : public IPanelFactory {
public:
    explicit Map2DFactory(MapContext context) : context(std::move(context)) {}
    void loadSetupFromIni(IniFile* ini, std::string section) override;
    void setup(IniFile* ini, std::string section) override;
    IPanel* Create() override;
    std::string getName() override { return "2D-Map"; }
    void renderPreview(irr::core::rect<int> area) override;
    void renderPreview(irr::core::rect<int> area, IPanel* panel) override;

private:
    MapContext context;
    MapSettings options;
};
