#pragma once
#include <irrlicht.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "panels/MenuLayout.h"

class ICommonAppContext;
class PanelManager;
class Skin;

// A dialog the menu keeps open over the panels until it reports that it is
// finished; the menu then drops it.
class IMenuDialog {
public:
    virtual ~IMenuDialog() = default;
    virtual bool isFinished() const = 0;
};

// The menu band at the top edge (menu button, page controls) and the menu
// window it opens over the panels: one button per entry, and previews of
// the pages to jump to. Entries are supplied by the program so the menu
// knows nothing of sensors or settings.
class Menu {
public:
    Menu(ICommonAppContext* context, Skin* skin, bool colouredButtons, PanelManager& panels);
    ~Menu();

    void addEntry(const std::wstring& label, std::function<void()> action);
    void setAltimeterSettingsAction(std::function<void()> action) { altimeterAction = std::move(action); }
    void showAltimeterSettings();

    // Shows a dialog over the panels; the menu window closes.
    void openDialog(std::unique_ptr<IMenuDialog> dialog);
    bool isDialogOpen() const { return dialog != nullptr; }

    void open();
    void close();
    bool isOpen() const { return window != nullptr; }

    // While true the panels are not drawn at all.
    bool isFullScreenDialogVisible() const { return isOpen() || isDialogOpen(); }

    int getPanelTop() const { return band.panelTop; }
    int getPanelHeight() const { return band.panelHeight; }

    // True when the event was the menu's and must not reach the panels.
    bool processEvent(const irr::SEvent& event);
    void render();
    void renderPreview();
    void updatePageLabel();

private:
    struct Entry {
        std::wstring label;
        std::function<void()> action;
    };

    void createBand();
    void removeBand();
    irr::video::ITexture* colouredButtonTexture();
    irr::gui::IGUIButton* addButton(const irr::core::rect<int>& area, const std::wstring& text);
    bool onButton(irr::gui::IGUIElement* caller);
    bool onPreviewClick(const irr::core::position2d<int>& at);

    ICommonAppContext* context;
    Skin* skin;
    bool colouredButtons;
    PanelManager& panels;
    MenuBandLayout band;
    irr::gui::IGUIButton* menuButton = nullptr;
    irr::gui::IGUIButton* previousButton = nullptr;
    irr::gui::IGUIButton* nextButton = nullptr;
    irr::gui::IGUIStaticText* pageLabel = nullptr;
    irr::gui::IGUIElement* window = nullptr;
    std::vector<Entry> entries;
    std::vector<irr::gui::IGUIButton*> entryButtons;
    std::vector<irr::core::rect<int>> previews;
    std::function<void()> altimeterAction;
    std::unique_ptr<IMenuDialog> dialog;
};
