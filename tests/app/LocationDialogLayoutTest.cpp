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
    for (const char* name : {"imageBox", "terrainBox", "chartBox", "logBox"}) {
        gui::IGUIElement* e = findNamed(root, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->getType(), gui::EGUIET_COMBO_BOX) << name;
        EXPECT_GT(e->getRelativePosition().getArea(), 0) << name;
        EXPECT_TRUE(e->isVisible() && e->isEnabled()) << name;
    }
    for (const char* name : {"imageFreeText", "terrainFreeText", "chartFreeText", "logFreeText"}) {
        gui::IGUIElement* e = findNamed(root, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->getType(), gui::EGUIET_STATIC_TEXT) << name;
    }
    gui::IGUIElement* ok = findNamed(root, "okButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->getType(), gui::EGUIET_BUTTON);
    EXPECT_TRUE(ok->isVisible() && ok->isEnabled());
    EXPECT_EQ(std::wstring(ok->getText()), L"OK");
    gui::IGUIElement* label = findNamed(root, "chartLabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(std::wstring(label->getText()), L"Chart data");
    device->drop();
}
