#include "panels/PlaceholderPanel.h"

#include "app/ICommonAppContext.h"
#include "base/StringConversions.h"
#include "gui/Drawer2D.h"

using namespace irr;

void drawNamedFrame(ICommonAppContext* context, const core::rect<int>& area, const std::string& name) {
    video::IVideoDriver* driver = context->getIrrlichtDevice()->getVideoDriver();
    driver->draw2DRectangle(video::SColor(255, 12, 16, 22), area, &area);
    driver->draw2DRectangleOutline(area, video::SColor(255, 120, 130, 140));
    gui::IGUIFont* font = context->getIrrlichtDevice()->getGUIEnvironment()->getSkin()->getFont();
    context->getDrawer()->drawTextCentred(font, convertUtf8ToWString(name), area, video::SColor(255, 200, 205, 210));
}

PlaceholderPanel::PlaceholderPanel(ICommonAppContext* context, std::string kindName)
    : context(context), kindName(std::move(kindName)) {}

void PlaceholderPanel::render(core::rect<int> area) { drawNamedFrame(context, area, kindName); }

PlaceholderPanelFactory::PlaceholderPanelFactory(ICommonAppContext* context, std::string kindName)
    : context(context), kindName(std::move(kindName)) {}

IPanel* PlaceholderPanelFactory::Create() { return new PlaceholderPanel(context, kindName); }

void PlaceholderPanelFactory::renderPreview(core::rect<int> area) { drawNamedFrame(context, area, kindName); }

void PlaceholderPanelFactory::renderPreview(core::rect<int> area, IPanel* panel) {
    if (panel) panel->renderPreview(area);
    else renderPreview(area);
}
