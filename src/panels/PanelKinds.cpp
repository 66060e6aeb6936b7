#include "panels/PanelKinds.h"

#include "panels/PanelManager.h"
#include "panels/PlaceholderPanel.h"
#include "panels/instruments/Altimeter.h"
#include "panels/instruments/AttitudeIndicator.h"
#include "panels/instruments/Compass.h"
#include "panels/instruments/GMeter.h"
#include "panels/instruments/GlidePanels.h"
#include "panels/instruments/OneSegmentPanel.h"
#include "panels/instruments/StatusPanels.h"
#include "panels/instruments/SpeedIndicator.h"
#include "panels/instruments/TurnRateIndicator.h"
#include "panels/instruments/VerticalSpeedIndicator.h"

void registerPanelKinds(PanelManager& panels, const InstrumentContext& context, const PanelFactorySource& elsewhere) {
    // FactoryIndex 0 ... 20. Kinds still drawn as placeholders are replaced
    // by their real panels in place, never moved.
    static const char* const kKinds[] = {
        "AttitudeIndicator", "TurnCoordinator", "2D-Map",      "3D-Map",          "Altimeter",
        "Compass",           "OneSegmentPanel", "WarningLamp", "VerticalSpeedIndicator",
        "Ground/AirSpeedIndicator", "Slip/Skid Indicator", "G-Meter", "BatteryPanel", "CheckListPanel",
        "GliderPanel",       "Details",         "SideViewPanel", "GlideInfoPanel", "EngineIndicator",
        "TextPanel",         "BarPanel"};
    for (int index = 0; index < static_cast<int>(sizeof(kKinds) / sizeof(kKinds[0])); ++index) {
        const std::string name = kKinds[index];
        IPanelFactory* factory = elsewhere ? elsewhere(index, name) : nullptr;
        if (!factory) switch (index) {
            case 0: factory = new InstrumentFactory<AttitudeIndicator>(context, name); break;
            case 1: factory = new InstrumentFactory<TurnRateIndicator>(context, name); break;
            case 4: factory = new InstrumentFactory<Altimeter>(context, name); break;
            case 5: factory = new InstrumentFactory<Compass>(context, name); break;
            case 6: factory = new OneSegmentPanelFactory(context, name); break;
            case 7: factory = new InstrumentFactory<WarningLamp>(context, name); break;
            case 8: factory = new InstrumentFactory<VerticalSpeedIndicator>(context, name); break;
            case 9: factory = new SpeedIndicatorFactory(context, name); break;
            case 10: factory = new InstrumentFactory<SlipIndicator>(context, name); break;
            case 11: factory = new InstrumentFactory<GMeter>(context, name); break;
            case 12: factory = new InstrumentFactory<BatteryPanel>(context, name); break;
            case 14: factory = new InstrumentFactory<GliderPanel>(context, name); break;
            case 17: factory = new InstrumentFactory<GlideInfoPanel>(context, name); break;
            default: factory = new PlaceholderPanelFactory(context.app, name); break;
        }
        panels.addPanelFactory(factory);
    }
}
