#pragma once
#include <irrlicht.h>

#include <string>
#include <unordered_map>

#include "geo/ChartPosition.h"

class IniFile;

// One rectangular part of the screen: a map, an instrument, a lamp, a text.
// The panel manager creates panels from the configuration's panel sections,
// draws those of the current page every frame and offers them input events,
// topmost first. Notifications have empty default bodies so a panel only
// overrides what concerns it.
class IPanel {
public:
    // Quality trade-offs a panel may apply on slow hardware.
    struct OptimizedSettings {
        bool lowDetail = false;
        bool reducedFrameRate = false;
    };

    virtual ~IPanel() = default;

    virtual void OnPageChange() {}
    virtual void render(irr::core::rect<int> area) = 0;
    // Called for every panel of the page before any panel's render(): the
    // panel may draw its upright, unmoving pictures (an instrument's dial)
    // ahead, and leave them out of render() in this frame. The page then
    // hands them to the renderer as a pass of their own, which a software
    // renderer copies row by row as long as nothing turned or round shares
    // their tiles (see Drawer2D::separatePass). True when it drew anything.
    virtual bool renderUnderneath(const irr::core::rect<int>& /*area*/) { return false; }
    // Called while the loading screen is still up, with the area the panel
    // will have: work that would delay the first frames (the map's first
    // picture) can be done ahead. It must draw nothing on the screen.
    virtual void prepare(irr::core::rect<int> /*area*/) {}
    // A small picture of the panel for page previews and the set-up dialog.
    virtual void renderPreview(irr::core::rect<int> area);
    // Drawn over other content (the attitude and compass overlays over the
    // map): nothing may be assumed about what lies beneath.
    virtual void renderOverlay(irr::core::rect<int> area);
    // Drawn after every panel of the page drew its layer `layer - 1`; return
    // false to ask for another layer.
    virtual bool renderOnTop(int /*layer*/, const irr::core::rect<int>& /*area*/) { return true; }
    // True passes the event on to the panels below, false consumes it.
    virtual bool processEvent(irr::SEvent event) = 0;
    virtual std::string getName() = 0;

    virtual void OnChartChanged() {}
    virtual void OnChartStyleChanged() {}
    virtual void OnProcedureChanged() {}
    virtual void OnHideGUI() {}
    virtual void OnTerrainNodesDelete() {}
    virtual void OnTerrainMeshExchanged() {}
    virtual void OnWideTerrainNodesDelete() {}
    virtual void OnWideTerrainMeshExchanged() {}
    virtual void OnTerrainImageResult(const ChartPosition& /*from*/, const ChartPosition& /*to*/,
                                      irr::video::IImage* /*image*/, bool /*wide*/, float /*a*/, float /*b*/,
                                      float /*c*/) {}
    virtual void OnProcedureNodesDelete() {}
    virtual void OnProcedureMeshExchanged() {}
    virtual void applyOptimizedSettings(OptimizedSettings /*settings*/) {}
    virtual void OnFISDataChanged(bool /*newProducts*/) {}
    virtual void applyCurrentConfiguration(IniFile* /*ini*/, const std::string& /*section*/) {}
    // Named commands from other parts of the program ("zoom", "gotoPos", ...).
    virtual void processPanelEvent(const std::string& /*name*/,
                                   const std::unordered_map<std::string, std::string>& /*arguments*/) {}
};
