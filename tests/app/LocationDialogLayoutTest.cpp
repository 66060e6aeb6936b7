// The storage dialog's layout file must give the dialog every element it
// looks up by name, with the right kind, or the first start cannot finish.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include <string>
#include <vector>

using namespace irr;

namespace {
gui::IGUIElement* findNamed(gui::IGUIElement* e, const std::string& name) {
    if (e->getName() && name == e->getName()) return e;
    for (gui::IGUIElement* child : e->getChildren())
        if (gui::IGUIElement* found = findNamed(child, name)) return found;
    return nullptr;
}
}  // namespace

TEST(LocationDialogLayout, HasEveryNamedElement) {
    IrrlichtDevice* device = createDevice(video::EDT_NULL);
    ASSERT_NE(device, nullptr);
    gui::IGUIEnvironment* env = device->getGUIEnvironment();
    gui::IGUIElement* root = env->addTab(core::rect<s32>(0, 0, 800, 480));
    ASSERT_TRUE(env->loadGUI(CIRRONA_SOURCE_DIR "/media/GUI/location.gui", root));
    std::vector<std::pair<std::string, gui::EGUI_ELEMENT_TYPE>> elements = {
        {"okButton", gui::EGUIET_BUTTON}, {"chartLabel", gui::EGUIET_STATIC_TEXT}};
    for (std::string store : {"image", "terrain", "chart", "log"})
        elements.insert(elements.end(), {{store + "Box", gui::EGUIET_COMBO_BOX}, {store + "FreeText", gui::EGUIET_STATIC_TEXT}});
    for (const auto& [name, type] : elements) {
        gui::IGUIElement* e = findNamed(root, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->getType(), type) << name;
        EXPECT_TRUE(e->getRelativePosition().getArea() > 0 && e->isVisible() && e->isEnabled()) << name;
    }
    device->drop();
}
