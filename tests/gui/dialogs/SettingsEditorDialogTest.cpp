#include "gui/dialogs/SettingsEditorDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "base/IniFile.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
const char* const kDescriptor =
    "port,Port (UDP):,4000,INT;flavor,Flavor:,Generic\\;Talos\\;Levil\\;PilotAware\\;uAvionix,ONE_OF;"
    "useSerial,Use Serial Port instead of UDP,0,BOOLEAN;deviceNode,Device Node: ,/dev/ttyUSB0,STRING;"
    "gain,Gain:,1.0,DOUBLE;model,Model:,GDL 90,NOT_EDITABLE;oops,no type;";

template <class T>
std::vector<T*> elementsOf(gui::IGUIElement* root, gui::EGUI_ELEMENT_TYPE type) {
    std::vector<T*> out;
    collectElements(root, type, out);
    return out;
}

bool hasText(gui::IGUIElement* root, const wchar_t* text) {
    for (gui::IGUIStaticText* t : elementsOf<gui::IGUIStaticText>(root, gui::EGUIET_STATIC_TEXT))
        if (std::wstring(t->getText()) == text) return true;
    return false;
}
}  // namespace

TEST(SettingsEditorDialog, BadNumbersKeepItOpenAndMarkedGoodValuesAreWrittenAndSaved) {
    TempDir dir;
    const std::string path = dir / "config.ini";
    for (auto [w, h] : {std::pair{800, 480}, {1080, 1920}}) {
        TestScreen screen(w, h);
        IniFile ini;
        ini.set("S1", "FactoryIndex", "6");
        ini.set("S1", "port", "4000");
        SettingsEditorDialog dialog(screen.context, kDescriptor, &ini, "S1", path);
        screen.show(dialog);
        gui::IGUIElement* window = dialog.getWindow();
        EXPECT_TRUE(hasText(window, L"Syntax error"));
        EXPECT_TRUE(hasText(window, L"GDL 90"));
        auto edits = elementsOf<gui::IGUIEditBox>(window, gui::EGUIET_EDIT_BOX);
        auto combos = elementsOf<gui::IGUIComboBox>(window, gui::EGUIET_COMBO_BOX);
        auto checks = elementsOf<gui::IGUICheckBox>(window, gui::EGUIET_CHECK_BOX);
        ASSERT_EQ(edits.size(), 3u);
        ASSERT_EQ(combos.size(), 1u);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_EQ(std::wstring(edits[0]->getText()), L"4000");

        screen.type(edits[0], L"40x0");
        screen.type(edits[2], L"0,5");
        screen.draw();
        screen.click(findButton(window, L"OK"));
        EXPECT_FALSE(dialog.isFinished());
        EXPECT_EQ(dialog.getMarkedFields(), (std::vector<size_t>{0, 4}));
        EXPECT_TRUE(hasText(window, L"Please correct the marked values."));
        EXPECT_EQ(ini.get("S1", "port"), "4000");

        screen.type(edits[0], L"4001");
        screen.type(edits[2], L"0.5");
        chooseInCombo(screen, combos[0], 2);
        screen.click(checks[0]);
        screen.click(findButton(window, L"OK"));
        ASSERT_TRUE(dialog.isFinished());
        EXPECT_TRUE(dialog.isAccepted());
        const IniSection expected{{"FactoryIndex", "6"}, {"port", "4001"},         {"flavor", "Levil"},
                                  {"useSerial", "1"},    {"deviceNode", "/dev/ttyUSB0"}, {"gain", "0.5"}};
        EXPECT_EQ(ini.getSection("S1"), expected);
        EXPECT_EQ(IniFile(path).getSection("S1"), expected);
    }
}

TEST(SettingsEditorDialog, CancelAndEscapeLeaveTheSectionAlone) {
    TestScreen screen(1920, 1080);
    IniFile ini;
    for (bool escape : {false, true}) {
        SettingsEditorDialog dialog(screen.context, kDescriptor, &ini, "S2");
        screen.show(dialog);
        screen.type(elementsOf<gui::IGUIEditBox>(dialog.getWindow(), gui::EGUIET_EDIT_BOX)[0], L"5000");
        if (escape)
            screen.key(KEY_ESCAPE);
        else
            screen.click(findButton(dialog.getWindow(), L"Cancel"));
        EXPECT_TRUE(dialog.isFinished());
        EXPECT_FALSE(dialog.isAccepted());
        EXPECT_FALSE(ini.isSectionAvailable("S2"));
    }
}
