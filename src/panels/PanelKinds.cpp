#include "panels/PanelKinds.h"

#include "panels/PanelManager.h"
#include "panels/PlaceholderPanel.h"

void registerPanelKinds(PanelManager& panels, ICommonAppContext* context) {
    // FactoryIndex 0 ... 20. Kinds still drawn as placeholders are replaced
    // by their real panels in place, never moved.
    static const char* const kKinds[] = {
        "AttitudeIndicator", "TurnCoordinator", "2D-Map",      "3D-Map",          "Altimeter",
        "Compass",           "OneSegmentPanel", "WarningLamp", "VerticalSpeedIndicator",
        "Ground/AirSpeedIndicator", "Slip/Skid Indicator", "G-Meter", "BatteryPanel", "CheckListPanel",
        "GliderPanel",       "Details",         "SideViewPanel", "GlideInfoPanel", "EngineIndicator",
        "TextPanel",         "BarPanel"};
    for (const char* name : kKinds) panels.addPanelFactory(new PlaceholderPanelFactory(context, name));
}
