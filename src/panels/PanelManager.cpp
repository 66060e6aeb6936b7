#include "panels/PanelManager.h"

#include "app/EventReceiver.h"
#include "app/ICommonAppContext.h"
#include "base/IniFile.h"
#include "base/Logger.h"
#include "base/StringConversions.h"
#include "base/Time.h"
#include "gui/Drawer2D.h"
#include "gui/Skin.h"
#include "panels/Menu.h"

using namespace irr;

namespace {
constexpr int kAttitudeIndicatorKind = 0;
constexpr int kCompassKind = 5;

int skinModeFromName(const std::string& name) {
    if (name == "Light") return Skin::MODERN_LIGHT;
    if (name == "Classic") return Skin::CLASSIC;
    return Skin::MODERN_DARK;
}
}  // namespace

void IPanel::renderPreview(core::rect<int> area) { render(area); }
void IPanel::renderOverlay(core::rect<int> area) { render(area); }

PanelManager::PanelManager(ICommonAppContext* context, Skin* skin) : context(context), skin(skin) {}

PanelManager::~PanelManager() {
    unload(false);
    for (IPanelFactory* f : factories) delete f;
}

void PanelManager::addPanelFactory(IPanelFactory* factory) { factories.push_back(factory); }

void PanelManager::setResizeLock(std::function<void()> grab, std::function<void()> drop) {
    grabResizeLock = std::move(grab);
    dropResizeLock = std::move(drop);
}

void PanelManager::showProgress(const std::wstring& text) {
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    driver->beginScene(true, true, skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0));
    context->getDrawer()->drawTextCentred(skin ? skin->getDefaultFont() : nullptr, text, driver->getViewPort(),
                                          skin ? skin->getTextColor() : video::SColor(255, 255, 255, 255));
    driver->endScene();
}

void PanelManager::loadFontSettingsFromIni(IniFile* ini) {
    fontName = ini->get("", "font");
    fontOffset = convertStringTo<int>(ini->get("", "fontOffset"));
}

void PanelManager::loadPanelSettingsFromIni(IniFile* ini, const ProgressCallback& progress, bool createMenu,
                                            bool /*quiet*/) {
    settings = readPanelDisplaySettings(*ini);
    if (skin) skin->setMode(skinModeFromName(settings.skinMode));
    logMessage("irrelevantAirspaces: " + ini->get("", "blacklist"), Logger::CONSOLE);

    if (progress) progress(L"Please wait...");
    else showProgress(L"Please wait...");

    const core::dimension2d<u32> screen = context->getIrrlichtDevice()->getVideoDriver()->getScreenSize();
    const bool portrait = screen.Height > screen.Width;
    if (createMenu || !menu) menu = std::make_unique<Menu>(context, skin, settings.useColoredButtons, *this);
    panelArea.width = static_cast<int>(screen.Width);
    panelArea.top = menu->getPanelTop();
    panelArea.height = menu->getPanelHeight();

    const PanelLayoutResult layout =
        readPanelLayout(*ini, settings.panelCount, portrait, static_cast<int>(factories.size()));
    for (const std::string& problem : layout.problems) logMessage(problem, Logger::BOTH);
    pageCount = layout.pageCount;
    if (currentPage >= pageCount) currentPage = 0;
    for (const PanelPlacement& p : layout.placements) {
        IPanelFactory* factory = factories[p.factoryIndex];
        factory->loadSetupFromIni(ini, p.section);
        IPanel* panel = factory->Create();
        if (!panel) {
            logMessage("panel " + p.section + " could not be created", Logger::BOTH);
            continue;
        }
        panels.push_back({panel, p.page, p.sectionIndex, panelRectangle(p, panelArea)});
    }
    createOverlays();
    menu->updatePageLabel();
}

void PanelManager::createOverlays() {
    const int kinds[2] = {kAttitudeIndicatorKind, kCompassKind};
    Overlay* overlays[2] = {&attitudeOverlay, &compassOverlay};
    for (int i = 0; i < 2; ++i) {
        if (overlays[i]->panel || kinds[i] >= static_cast<int>(factories.size())) continue;
        overlays[i]->panel.reset(factories[kinds[i]]->Create());
    }
}

void PanelManager::unload(bool keepMenu) {
    fullScreenPanel = nullptr;
    hideDetails();
    for (PlacedPanel& p : panels) delete p.panel;
    panels.clear();
    attitudeOverlay.panel.reset();
    compassOverlay.panel.reset();
    if (!keepMenu) menu.reset();
}

void PanelManager::OnScreenChanged(IniFile* ini) {
    if (grabResizeLock) grabResizeLock();
    loadFontSettingsFromIni(ini);
    unload(false);
    loadPanelSettingsFromIni(ini, nullptr, true, true);
    if (dropResizeLock) dropResizeLock();
}

const std::vector<PanelManager::PlacedPanel>& PanelManager::renderList() const {
    // Kept between calls: drawn every frame, the list costs no allocation
    // once it has held a page.
    shown.clear();
    if (fullScreenPanel) {
        shown.push_back(
            PlacedPanel{fullScreenPanel, currentPage, -1,
                        core::rect<int>(0, panelArea.top, panelArea.width, panelArea.top + panelArea.height)});
        return shown;
    }
    for (const PlacedPanel& p : panels)
        if (p.page == currentPage) shown.push_back(p);
    return shown;
}

void PanelManager::Render() {
    if (menu && menu->isFullScreenDialogVisible()) return;
    if (menu) menu->render();
    // A copy the panels cannot change under the loop (a panel may turn the
    // page), in a buffer of its own.
    drawn = renderList();
    const std::vector<PlacedPanel>& list = drawn;
    bool underneath = false;
    for (const PlacedPanel& p : list) underneath |= p.panel->renderUnderneath(p.area);
    if (underneath) context->getDrawer()->separatePass();
    for (const PlacedPanel& p : list) p.panel->render(p.area);
    // Each overlay layer is offered to every panel; the layer the last panel
    // reports unfinished is followed by the next one.
    if (list.empty()) return;
    for (int layer = 1;; ++layer) {
        bool done = true;
        for (const PlacedPanel& p : list) done = p.panel->renderOnTop(layer, p.area);
        if (done) break;
    }
    if (details) details->render(core::rect<int>(0, panelArea.top, panelArea.width, panelArea.top + panelArea.height));
}

void PanelManager::prepare() {
    const std::vector<PlacedPanel> list = renderList();
    for (const PlacedPanel& p : list) p.panel->prepare(p.area);
    // Drawn once where the loading screen covers it: what the first frame
    // would otherwise load (dial pictures, glyphs) is loaded already.
    if (!preparedOnce) Render(), preparedOnce = true;
}

void PanelManager::renderOverlay(Overlay& overlay) {
    if (!overlay.enabled || !overlay.panel) return;
    const bool inMenu = menu && menu->isFullScreenDialogVisible();
    overlay.panel->renderOverlay(inMenu ? overlay.areaInMenu : overlay.area);
}

void PanelManager::RenderAfterGUI() {
    renderOverlay(attitudeOverlay);
    renderOverlay(compassOverlay);
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    messages.render(driver, skin ? skin->getDefaultFont() : nullptr, getMilliSecs());
    EventReceiver* events = context->getEventReceiver();
    if (!events) return;
    // The event receiver keeps the GUI from reacting to clicks on messages.
    core::rect<int> box = messages.getBounds();
    events->setMessageOverlayVisible(messages.size() > 0);
    events->setMessageOverlayBox(messages.size() > 0 ? &box : nullptr);
}

void PanelManager::renderInMenuPreview() {
    if (menu) menu->renderPreview();
}

void PanelManager::renderPagePreview(core::rect<int> area, int page) {
    if (panelArea.width <= 0 || panelArea.height <= 0) return;
    const double sx = static_cast<double>(area.getWidth()) / panelArea.width;
    const double sy = static_cast<double>(area.getHeight()) / panelArea.height;
    for (const PlacedPanel& p : panels) {
        if (p.page != page) continue;
        const core::rect<int> r(
            area.UpperLeftCorner.X + static_cast<int>(p.area.UpperLeftCorner.X * sx),
            area.UpperLeftCorner.Y + static_cast<int>((p.area.UpperLeftCorner.Y - panelArea.top) * sy),
            area.UpperLeftCorner.X + static_cast<int>(p.area.LowerRightCorner.X * sx),
            area.UpperLeftCorner.Y + static_cast<int>((p.area.LowerRightCorner.Y - panelArea.top) * sy));
        p.panel->renderPreview(r);
    }
}

bool PanelManager::routeMessageClick(const SEvent& event) {
    if (event.EventType != EET_MOUSE_INPUT_EVENT || messages.size() == 0) return false;
    const bool inside =
        messages.getBounds().isPointInside(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y));
    if (event.MouseInput.Event == EMIE_LMOUSE_PRESSED_DOWN) {
        messageClickArmed = inside;
        return inside;
    }
    if (event.MouseInput.Event == EMIE_LMOUSE_LEFT_UP && messageClickArmed) {
        messageClickArmed = false;
        if (!inside) return false;
        removeAllMessages();
        if (EventReceiver* events = context->getEventReceiver()) events->setMessageOverlayBox(nullptr);
        return true;
    }
    return false;
}

bool PanelManager::isGUIElementUnderPointer(const SEvent& event) {
    if (event.MouseInput.Event == EMIE_MOUSE_MOVED || event.MouseInput.Event == EMIE_LMOUSE_PRESSED_DOWN) {
        gui::IGUIEnvironment* env = context->getIrrlichtDevice()->getGUIEnvironment();
        gui::IGUIElement* hit = env->getRootGUIElement()->getElementFromPoint(
            core::position2d<s32>(event.MouseInput.X, event.MouseInput.Y));
        pointerOverGUI = hit && hit != env->getRootGUIElement() && hit->isVisible();
    }
    return pointerOverGUI;
}

void PanelManager::processEvent(const SEvent& event) {
    if (routeMessageClick(event)) return;
    if (event.EventType == EET_GUI_EVENT && event.GUIEvent.EventType == gui::EGET_BUTTON_CLICKED && detailsBackButton &&
        event.GUIEvent.Caller == detailsBackButton) {
        hideDetails();
        return;
    }
    if (menu && menu->processEvent(event)) return;
    // Touch screens arrive as mouse events on this platform.
    if (locked && event.EventType == EET_MOUSE_INPUT_EVENT) return;
    if (event.EventType == EET_MOUSE_INPUT_EVENT) {
        if (event.MouseInput.Event == EMIE_MOUSE_WHEEL)
            emitPanelEvent("zoom", {{"delta", std::to_string(event.MouseInput.Wheel)},
                                    {"x", std::to_string(event.MouseInput.X)},
                                    {"y", std::to_string(event.MouseInput.Y)}});
        if (isGUIElementUnderPointer(event)) return;
    }
    if (details) {
        details->processEvent(event);
        return;
    }
    const std::vector<PlacedPanel> list = renderList();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (!it->panel->processEvent(event)) break;
}

void PanelManager::OnHWInputAction(HWAction action) {
    gui::IGUIEnvironment* env = context->getIrrlichtDevice()->getGUIEnvironment();
    // Confirm and back act on what has the focus, as Enter and Escape would.
    auto sendKey = [env](EKEY_CODE key) {
        for (bool down : {true, false}) {
            SEvent e{};
            e.EventType = EET_KEY_INPUT_EVENT;
            e.KeyInput.Key = key;
            e.KeyInput.PressedDown = down;
            e.KeyInput.Char = key == KEY_RETURN ? L'\r' : 0;
            env->postEventFromUser(e);
        }
    };
    switch (action) {
    case HWAction::NextPage:
        nextPage();
        break;
    case HWAction::PreviousPage:
        previousPage();
        break;
    case HWAction::ZoomIn:
        emitPanelEvent("zoom", {{"delta", "1"}});
        break;
    case HWAction::ZoomOut:
        emitPanelEvent("zoom", {{"delta", "-1"}});
        break;
    case HWAction::Menu:
        if (menu && menu->isOpen()) menu->close();
        else if (menu) menu->open();
        break;
    case HWAction::Confirm:
        sendKey(KEY_RETURN);
        break;
    case HWAction::Back:
        if (details) hideDetails();
        else if (menu && menu->isOpen()) menu->close();
        else sendKey(KEY_ESCAPE);
        break;
    case HWAction::DayNight:
        if (onDayNight) onDayNight();
        break;
    }
}

void PanelManager::emitPanelEvent(const std::string& name,
                                  const std::unordered_map<std::string, std::string>& arguments) {
    // A copy: a panel may send events of its own from here.
    const std::vector<PlacedPanel> list = renderList();
    for (const PlacedPanel& p : list) p.panel->processPanelEvent(name, arguments);
}

void PanelManager::nextPage() {
    showProgress(L"Please wait...");
    fullScreenPanel = nullptr;
    currentPage = nextPageOf(currentPage, pageCount);
    forEachPanel([](IPanel* p) { p->OnPageChange(); });
    if (menu) menu->updatePageLabel();
}

void PanelManager::previousPage() {
    showProgress(L"Please wait...");
    fullScreenPanel = nullptr;
    currentPage = previousPageOf(currentPage, pageCount);
    forEachPanel([](IPanel* p) { p->OnPageChange(); });
    if (menu) menu->updatePageLabel();
}

void PanelManager::showPage(int page) {
    if (page < 0 || page >= pageCount || page == currentPage) return;
    fullScreenPanel = nullptr;
    currentPage = page;
    forEachPanel([](IPanel* p) { p->OnPageChange(); });
    if (menu) menu->updatePageLabel();
}

void PanelManager::setFullScreenPanel(IPanel* panel) {
    fullScreenPanel = panel;
    if (panel) forEachPanel([](IPanel* p) { p->OnHideGUI(); });
}

bool PanelManager::isValidPanel(IPanel* panel) const {
    for (const PlacedPanel& p : panels)
        if (p.panel == panel) return true;
    return false;
}

void PanelManager::showDetails(std::unique_ptr<IPanel> view) {
    hideDetails();
    details = std::move(view);
    gui::IGUIEnvironment* env = context->getIrrlichtDevice()->getGUIEnvironment();
    const int w = context->getRecommendedButtonWidth();
    const int h = context->getRecommendedButtonHeight();
    const int top = panelArea.top + panelArea.height - h;
    detailsBackButton =
        env->addButton(core::rect<int>(panelArea.width - w, top, panelArea.width, top + h), nullptr, -1, L"Back");
    if (EventReceiver* events = context->getEventReceiver()) events->setBackButton(detailsBackButton);
}

void PanelManager::hideDetails() {
    if (detailsBackButton) {
        detailsBackButton->remove();
        detailsBackButton = nullptr;
        if (EventReceiver* events = context->getEventReceiver()) events->setBackButton(nullptr);
    }
    details.reset();
}

void PanelManager::setMessage(const void* owner, const std::wstring& text, int colour, int durationMs) {
    if (!acceptMessages || settings.messagesDisabled) return;
    // What the pilot was told goes to the log too, so a flight can be
    // reconstructed afterwards; repeats of the same text are not logged.
    if (messages.getText(owner) != text) logMessage("message: " + convertWStringToUtf8String(text), Logger::FILE);
    messages.setMessage(owner, text, colour, durationMs, getMilliSecs());
}

void PanelManager::setMessage(const void* owner, const std::string& utf8, int colour, int durationMs) {
    setMessage(owner, convertUtf8ToWString(utf8), colour, durationMs);
}

void PanelManager::removeMessage(const void* owner) { messages.removeMessage(owner); }

void PanelManager::removeAllMessages() { messages.clear(); }

void PanelManager::setInterestingPoint(const ChartPosition* position) {
    interestingPoint = position ? std::make_unique<ChartPosition>(*position) : nullptr;
}

void PanelManager::setOverlay(Overlay& overlay, bool enabled, core::rect<int>* area, core::rect<int>* areaInMenu) {
    overlay.enabled = enabled;
    if (area) overlay.area = *area;
    overlay.areaInMenu = areaInMenu ? *areaInMenu : overlay.area;
}

void PanelManager::setAttitudeIndicatorOverlay(bool enabled, core::rect<int>* area, core::rect<int>* areaInMenu) {
    setOverlay(attitudeOverlay, enabled, area, areaInMenu);
}

void PanelManager::setCompassOverlay(bool enabled, core::rect<int>* area, core::rect<int>* areaInMenu) {
    setOverlay(compassOverlay, enabled, area, areaInMenu);
}

void PanelManager::forEachPanel(const std::function<void(IPanel*)>& call) {
    for (PlacedPanel& p : panels) call(p.panel);
}

void PanelManager::OnMustFreeMemory() {
    showProgress(L"Please wait: Device has low memory. Clearing caches...");
    for (const auto& clear : cacheClearers) clear();
}

void PanelManager::OnSensorChanged() {
    // A details view may show a sensor that no longer exists.
    hideDetails();
    ++sensorConfiguration;
}
void PanelManager::OnChartChanged() {
    forEachPanel([](IPanel* p) { p->OnChartChanged(); });
}
void PanelManager::OnChartStyleChanged() {
    forEachPanel([](IPanel* p) { p->OnChartStyleChanged(); });
}
void PanelManager::OnProcedureChanged() {
    forEachPanel([](IPanel* p) { p->OnProcedureChanged(); });
}
void PanelManager::OnTerrainNodesDelete() {
    forEachPanel([](IPanel* p) { p->OnTerrainNodesDelete(); });
}
void PanelManager::OnTerrainMeshExchanged() {
    forEachPanel([](IPanel* p) { p->OnTerrainMeshExchanged(); });
}
void PanelManager::OnWideTerrainNodesDelete() {
    forEachPanel([](IPanel* p) { p->OnWideTerrainNodesDelete(); });
}
void PanelManager::OnWideTerrainMeshExchanged() {
    forEachPanel([](IPanel* p) { p->OnWideTerrainMeshExchanged(); });
}
void PanelManager::OnProcedureNodesDelete() {
    forEachPanel([](IPanel* p) { p->OnProcedureNodesDelete(); });
}
void PanelManager::OnProcedureMeshExchanged() {
    forEachPanel([](IPanel* p) { p->OnProcedureMeshExchanged(); });
}
void PanelManager::OnFISDataChanged(bool newProducts) {
    forEachPanel([newProducts](IPanel* p) { p->OnFISDataChanged(newProducts); });
}
void PanelManager::applyOptimizedSettings(IPanel::OptimizedSettings s) {
    forEachPanel([s](IPanel* p) { p->applyOptimizedSettings(s); });
}
