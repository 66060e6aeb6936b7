#include "panels/Menu.h"

#include "app/ICommonAppContext.h"
#include "gui/Skin.h"
#include "panels/PanelManager.h"

using namespace irr;

Menu::Menu(ICommonAppContext* context, Skin* skin, bool colouredButtons, PanelManager& panels)
    : context(context), skin(skin), colouredButtons(colouredButtons), panels(panels) {
    createBand();
}

Menu::~Menu() {
    close();
    dialog.reset();
    removeBand();
}

void Menu::createBand() {
    const core::dimension2d<u32> screen = context->getIrrlichtDevice()->getVideoDriver()->getScreenSize();
    band = layoutMenuBand(static_cast<int>(screen.Width), static_cast<int>(screen.Height),
                          context->getRecommendedButtonWidth(), context->getRecommendedButtonHeight());
    menuButton = addButton(band.menuButton, L"Menu");
    previousButton = addButton(band.previousPage, L"<");
    nextButton = addButton(band.nextPage, L">");
    pageLabel = context->getIrrlichtDevice()->getGUIEnvironment()->addStaticText(L"", band.pageLabel);
    pageLabel->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_CENTER);
    if (skin) pageLabel->setOverrideColor(skin->getTextColor());
    updatePageLabel();
}

void Menu::removeBand() {
    for (gui::IGUIElement* e : {static_cast<gui::IGUIElement*>(menuButton), static_cast<gui::IGUIElement*>(previousButton),
                                static_cast<gui::IGUIElement*>(nextButton), static_cast<gui::IGUIElement*>(pageLabel)})
        if (e) e->remove();
    menuButton = previousButton = nextButton = nullptr;
    pageLabel = nullptr;
}

gui::IGUIButton* Menu::addButton(const core::rect<int>& area, const std::wstring& text) {
    gui::IGUIButton* b = context->getIrrlichtDevice()->getGUIEnvironment()->addButton(area, nullptr, -1, text.c_str());
    // Coloured buttons are easier to find in turbulence; the plain ones
    // follow the skin.
    if (colouredButtons) {
        b->setImage(colouredButtonTexture());
        b->setScaleImage(true);
    }
    return b;
}

video::ITexture* Menu::colouredButtonTexture() {
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    const io::path name = "menu-button-colour";
    if (video::ITexture* t = driver->getTexture(name)) return t;
    video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2d<u32>(2, 2));
    image->fill(video::SColor(255, 30, 90, 150));
    video::ITexture* t = driver->addTexture(name, image);
    image->drop();
    return t;
}

void Menu::addEntry(const std::wstring& label, std::function<void()> action) {
    entries.push_back({label, std::move(action)});
}

void Menu::showAltimeterSettings() {
    if (altimeterAction) altimeterAction();
}

void Menu::openDialog(std::unique_ptr<IMenuDialog> d) {
    close();
    dialog = std::move(d);
}

void Menu::open() {
    if (window) return;
    gui::IGUIEnvironment* env = context->getIrrlichtDevice()->getGUIEnvironment();
    const core::dimension2d<u32> screen = context->getIrrlichtDevice()->getVideoDriver()->getScreenSize();
    const core::rect<int> area(0, band.panelTop, static_cast<int>(screen.Width), static_cast<int>(screen.Height));
    gui::IGUITab* tab = env->addTab(area);
    tab->setDrawBackground(true);
    tab->setBackgroundColor(skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0));
    window = tab;
    const core::rect<int> inner(0, 0, area.getWidth(), area.getHeight());
    const MenuGridLayout grid = layoutMenuGrid(inner, static_cast<int>(entries.size()),
                                               context->getRecommendedButtonWidth() * 2,
                                               context->getRecommendedButtonHeight(), panels.getPageCount());
    entryButtons.clear();
    for (size_t i = 0; i < entries.size(); ++i) {
        gui::IGUIButton* b = env->addButton(grid.buttons[i], tab, -1, entries[i].label.c_str());
        entryButtons.push_back(b);
    }
    previews.clear();
    for (const core::rect<int>& p : grid.previews) previews.push_back(p + area.UpperLeftCorner);
}

void Menu::close() {
    if (!window) return;
    window->remove();
    window = nullptr;
    entryButtons.clear();
    previews.clear();
}

void Menu::updatePageLabel() {
    if (!pageLabel) return;
    const std::wstring text = std::to_wstring(panels.getCurrentPage() + 1) + L" / " + std::to_wstring(panels.getPageCount());
    pageLabel->setText(text.c_str());
    const bool severalPages = panels.getPageCount() > 1;
    previousButton->setEnabled(severalPages);
    nextButton->setEnabled(severalPages);
}

bool Menu::onButton(gui::IGUIElement* caller) {
    if (caller == menuButton) {
        if (isOpen()) close();
        else open();
        return true;
    }
    if (caller == previousButton || caller == nextButton) {
        close();
        if (caller == previousButton) panels.previousPage();
        else panels.nextPage();
        return true;
    }
    for (size_t i = 0; i < entryButtons.size(); ++i)
        if (caller == entryButtons[i]) {
            // The action may open a dialog or reload everything, which
            // rebuilds the menu: take a copy before closing the window.
            std::function<void()> action = entries[i].action;
            close();
            if (action) action();
            return true;
        }
    return false;
}

bool Menu::onPreviewClick(const core::position2d<int>& at) {
    for (size_t page = 0; page < previews.size(); ++page)
        if (previews[page].isPointInside(at)) {
            close();
            panels.showPage(static_cast<int>(page));
            return true;
        }
    return false;
}

bool Menu::processEvent(const SEvent& event) {
    if (dialog && dialog->isFinished()) dialog.reset();
    if (event.EventType == EET_GUI_EVENT && event.GUIEvent.EventType == gui::EGET_BUTTON_CLICKED)
        if (onButton(event.GUIEvent.Caller)) return true;
    if (event.EventType == EET_MOUSE_INPUT_EVENT && isFullScreenDialogVisible()) {
        if (isOpen() && event.MouseInput.Event == EMIE_LMOUSE_LEFT_UP)
            onPreviewClick(core::position2d<int>(event.MouseInput.X, event.MouseInput.Y));
        // Nothing behind an open menu or dialog may react to the pointer.
        return true;
    }
    return false;
}

void Menu::render() {
    if (dialog && dialog->isFinished()) dialog.reset();
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    const video::SColor back = skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0);
    driver->draw2DRectangle(video::SColor(255, back.getRed() / 2, back.getGreen() / 2, back.getBlue() / 2 + 20),
                            band.band);
}

void Menu::renderPreview() {
    if (!isOpen()) return;
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    for (size_t page = 0; page < previews.size(); ++page) {
        const bool current = static_cast<int>(page) == panels.getCurrentPage();
        driver->draw2DRectangle(video::SColor(255, 20, 20, 20), previews[page]);
        panels.renderPagePreview(previews[page], static_cast<int>(page));
        driver->draw2DRectangleOutline(previews[page], current ? video::SColor(255, 255, 210, 60)
                                                               : video::SColor(255, 140, 140, 140));
    }
}
