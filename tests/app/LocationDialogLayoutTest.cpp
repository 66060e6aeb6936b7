// The storage dialog's layout file must give the dialog every element it
// looks up by name, with the right kind, or the first start cannot finish.
#include <gtest/gtest.h>
#include <irrlicht.h>

#include <string>

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
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_NONE;
    IrrlichtDevice* device = createDeviceEx(params);
    ASSERT_NE(device, nullptr);
    gui::IGUIEnvironment* env = device->getGUIEnvironment();
    gui::IGUIElement* root = env->addTab(core::rect<s32>(0, 0, 800, 480));
    ASSERT_TRUE(env->loadGUI(CIRRONA_SOURCE_DIR "/media/GUI/location.gui", root));
    const std::pair<std::string, gui::EGUI_ELEMENT_TYPE> elements[] = {
        {"imageBox", gui::EGUIET_COMBO_BOX},        {"terrainBox", gui::EGUIET_COMBO_BOX},
        {"chartBox", gui::EGUIET_COMBO_BOX},        {"logBox", gui::EGUIET_COMBO_BOX},
        {"imageFreeText", gui::EGUIET_STATIC_TEXT}, {"terrainFreeText", gui::EGUIET_STATIC_TEXT},
        {"chartFreeText", gui::EGUIET_STATIC_TEXT}, {"logFreeText", gui::EGUIET_STATIC_TEXT},
        {"okButton", gui::EGUIET_BUTTON},           {"chartLabel", gui::EGUIET_STATIC_TEXT},
    };
    for (const auto& [name, type] : elements) {
        gui::IGUIElement* e = findNamed(root, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->getType(), type) << name;
        EXPECT_GT(e->getRelativePosition().getArea(), 0) << name;
        EXPECT_TRUE(e->isVisible() && e->isEnabled()) << name;
    }
    EXPECT_EQ(std::wstring(findNamed(root, "okButton")->getText()), L"OK");
    EXPECT_EQ(std::wstring(findNamed(root, "chartLabel")->getText()), L"Chart data");
    device->drop();
}
