#pragma once
#include <irrlicht.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "geo/ChartPosition.h"
#include "gui/HWInputManager.h"
#include "gui/MessageArea.h"
#include "panels/IPanel.h"
#include "panels/IPanelFactory.h"
#include "panels/PanelLayout.h"
#include "sensors/ISensorDataReceiver.h"

class ICommonAppContext;
class IniFile;
class Menu;
class Skin;

// Divides the screen into the panels of the configuration, shows one page
// of them at a time, routes input to them topmost first and puts short
// messages over everything.
class PanelManager : public IHWInputListener {
public:
    // Shown through the progress callback while the layout is (re)built.
    using ProgressCallback = std::function<void(const std::wstring& text)>;

    enum MESSAGECOLOR { NORMAL = MessageArea::NORMAL, NOTICE = MessageArea::NOTICE, WARNING = MessageArea::WARNING };

    PanelManager(ICommonAppContext* context, Skin* skin);
    ~PanelManager() override;

    // --- Panel kinds; the manager owns them. Index = "FactoryIndex".
    void addPanelFactory(IPanelFactory* factory);
    const std::vector<IPanelFactory*>& getPanelFactories() const { return factories; }

    // --- Layout.
    void loadPanelSettingsFromIni(IniFile* ini, const ProgressCallback& progress, bool createMenu, bool quiet);
    void loadFontSettingsFromIni(IniFile* ini);
    void unload(bool keepMenu);
    void OnScreenChanged(IniFile* ini);
    // Held while the layout is rebuilt after a screen change.
    void setResizeLock(std::function<void()> grab, std::function<void()> drop);

    // --- Frame.
    void Render();
    void RenderAfterGUI();
    // Lets the current page's panels work ahead while the loading screen is
    // up; the screen it draws on is to be covered.
    void prepare();
    void renderInMenuPreview();
    void renderPagePreview(irr::core::rect<int> area, int page);

    // --- Input. Every event popped by the main loop.
    void processEvent(const irr::SEvent& event);
    // Keys and joystick buttons bound to pages, zoom and the menu.
    void OnHWInputAction(HWAction action) override;
    // What the day/night key does; the style belongs to the application.
    void setDayNightHandler(std::function<void()> toggle) { onDayNight = std::move(toggle); }
    void setLock(bool locked) { this->locked = locked; }
    bool isLocked() const { return locked; }
    void setAccidentalChangeLock(bool locked) { accidentalChangeLocked = locked; }
    bool isAccidentalChangeLocked() const { return accidentalChangeLocked; }

    // --- Pages.
    void nextPage();
    void previousPage();
    // Jumps to a page (menu page previews); out-of-range pages are ignored.
    void showPage(int page);
    int getCurrentPage() const { return currentPage; }
    int getPageCount() const { return pageCount; }
    void setFullScreenPanel(IPanel* panel);
    IPanel* getFullScreenPanel() const { return fullScreenPanel; }
    bool isValidPanel(IPanel* panel) const;
    // The panels of the layout in section order, with where they are.
    struct PlacedPanel {
        IPanel* panel = nullptr;
        int page = 0;
        int sectionIndex = 0;
        irr::core::rect<int> area;
    };
    const std::vector<PlacedPanel>& getPanels() const { return panels; }
    PanelArea getPanelArea() const { return panelArea; }

    // --- Details view: a panel shown over the page (element information,
    // sensor details) until its back button is pressed.
    void showDetails(std::unique_ptr<IPanel> view);
    void hideDetails();
    bool isDetailsOpen() const { return details != nullptr; }

    // --- Messages.
    void setMessage(const void* owner, const std::wstring& text, int colour, int durationMs);
    void setMessage(const void* owner, const std::string& utf8, int colour, int durationMs);
    void removeMessage(const void* owner);
    void removeAllMessages();
    void setAcceptMessagesEnabled(bool enabled) { acceptMessages = enabled; }
    const MessageArea& getMessages() const { return messages; }

    // --- Settings many panels read.
    const PanelDisplaySettings& getDisplaySettings() const { return settings; }
    bool isIrrelevantAirspace(const std::string& name) const { return settings.irrelevantAirspaces.count(name) != 0; }
    int getTerrainDetailLevel() const { return settings.terrainDetailLevel; }
    bool shallDrawFPS() const { return settings.drawFPS; }

    double getMapViewRangeStart() const { return mapViewRangeStart; }
    double getMapViewRangeEnd() const { return mapViewRangeEnd; }
    void setMapViewRange(double start, double end) { mapViewRangeStart = start, mapViewRangeEnd = end; }
    double getMapNoseLength() const { return mapNoseLength; }
    void setMapNoseLength(double length) { mapNoseLength = length; }
    bool has2DMapIFRElements() const { return map2DIFR; }
    void set2DMapIFRElements(bool on) { map2DIFR = on; }
    bool has3DMapIFRElements() const { return map3DIFR; }
    void set3DMapIFRElements(bool on) { map3DIFR = on; }
    void setInterestingPoint(const ChartPosition* position);
    const ChartPosition* getInterestingPoint() const { return interestingPoint.get(); }

    // --- Overlays drawn over the GUI: an attitude indicator and a compass.
    // `area` null keeps the current rectangles; the first rectangle is used
    // while a menu dialog is visible, the second otherwise.
    void setAttitudeIndicatorOverlay(bool enabled, irr::core::rect<int>* area, irr::core::rect<int>* areaInMenu = nullptr);
    void setCompassOverlay(bool enabled, irr::core::rect<int>* area, irr::core::rect<int>* areaInMenu = nullptr);

    Menu* getMenu() const { return menu.get(); }

    // --- Notifications forwarded to every panel.
    void OnSensorChanged();
    void OnChartChanged();
    void OnChartStyleChanged();
    void OnProcedureChanged();
    void OnTerrainNodesDelete();
    void OnTerrainMeshExchanged();
    void OnWideTerrainNodesDelete();
    void OnWideTerrainMeshExchanged();
    void OnProcedureNodesDelete();
    void OnProcedureMeshExchanged();
    void OnFISDataChanged(bool newProducts);
    void applyOptimizedSettings(IPanel::OptimizedSettings settings);

    // Low memory: every registered cache is cleared.
    void OnMustFreeMemory();
    void addCacheClearer(std::function<void()> clear) { cacheClearers.push_back(std::move(clear)); }

    // Registered with the sensor manager; counts updates so that panels
    // with cached pictures know when new data arrived.
    ISensorDataReceiver* getSensorDataReceiver() { return &sensorReceiver; }
    uint64_t getSensorUpdateCount() const { return sensorReceiver.updates; }
    // Changes whenever the set of sensors or their default sources changed.
    uint64_t getSensorConfiguration() const { return sensorConfiguration; }

    // Sends a named command to every panel (map zoom and the like).
    void emitPanelEvent(const std::string& name, const std::unordered_map<std::string, std::string>& arguments);

private:
    struct Overlay {
        std::unique_ptr<IPanel> panel;
        bool enabled = false;
        irr::core::rect<int> area;
        irr::core::rect<int> areaInMenu;
    };
    struct SensorReceiver : ISensorDataReceiver {
        void OnSensorUpdate(SensorManager*) override { ++updates; }
        uint64_t updates = 0;
    };

    // The panels of the current page (or the full-screen one); valid until
    // the next call.
    const std::vector<PlacedPanel>& renderList() const;
    mutable std::vector<PlacedPanel> shown;
    std::vector<PlacedPanel> drawn;
    bool routeMessageClick(const irr::SEvent& event);
    bool isGUIElementUnderPointer(const irr::SEvent& event);
    void showProgress(const std::wstring& text);
    void createOverlays();
    void renderOverlay(Overlay& overlay);
    void forEachPanel(const std::function<void(IPanel*)>& call);
    void setOverlay(Overlay& overlay, bool enabled, irr::core::rect<int>* area, irr::core::rect<int>* areaInMenu);

    ICommonAppContext* context;
    Skin* skin;
    std::vector<IPanelFactory*> factories;
    std::vector<PlacedPanel> panels;
    PanelDisplaySettings settings;
    PanelArea panelArea;
    int currentPage = 0;
    int pageCount = 1;
    IPanel* fullScreenPanel = nullptr;
    bool locked = false;
    bool accidentalChangeLocked = false;

    std::unique_ptr<Menu> menu;
    std::unique_ptr<IPanel> details;
    irr::gui::IGUIButton* detailsBackButton = nullptr;

    MessageArea messages;
    bool acceptMessages = true;
    bool messageClickArmed = false;

    Overlay attitudeOverlay;
    Overlay compassOverlay;

    double mapViewRangeStart = 0.0;
    double mapViewRangeEnd = 1.0;
    double mapNoseLength = 0.0;
    bool map2DIFR = false;
    bool map3DIFR = false;
    std::unique_ptr<ChartPosition> interestingPoint;

    bool pointerOverGUI = false;
    std::function<void()> grabResizeLock;
    std::function<void()> dropResizeLock;
    std::function<void()> onDayNight;
    bool preparedOnce = false;
    std::vector<std::function<void()>> cacheClearers;
    SensorReceiver sensorReceiver;
    uint64_t sensorConfiguration = 0;
    std::string fontName;
    int fontOffset = 0;
};
