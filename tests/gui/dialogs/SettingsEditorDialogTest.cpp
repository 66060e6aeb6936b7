#include "gui/dialogs/SettingsEditorDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "support/TempDir.h"

using namespace irr;

TEST(SettingsEditorDialog, BadNumbersKeepItOpenAndMarkedGoodValuesAreWrittenAndSaved) {
    const char* const descriptor =
        "port,Port (UDP):,4000,INT;flavor,Flavor:,Generic\\;Talos\\;Levil,ONE_OF;useSerial,Use Serial Port,0,BOOLEAN;"
        "deviceNode,Device Node: ,/dev/ttyUSB0,STRING;gain,Gain:,1.0,DOUBLE;model,Model:,GDL 90,NOT_EDITABLE;oops,x;";
    TempDir dir;
    for (auto [w, h] : {std::pair{800, 480}, {1080, 1920}}) {
        TestScreen screen(w, h);
        IniFile ini;
        ini.set("S1", "port", "4000");
        SettingsEditorDialog dialog(screen.context, descriptor, &ini, "S1", dir / "config.ini");
        screen.show(dialog);
        gui::IGUIElement* window = dialog.getWindow();
        EXPECT_TRUE(hasText(window, L"Syntax error") && hasText(window, L"GDL 90"));
        auto edits = elementsOf<gui::IGUIEditBox>(window, gui::EGUIET_EDIT_BOX);
        auto combos = elementsOf<gui::IGUIComboBox>(window, gui::EGUIET_COMBO_BOX);
        auto checks = elementsOf<gui::IGUICheckBox>(window, gui::EGUIET_CHECK_BOX);
        ASSERT_TRUE(edits.size() == 3u && combos.size() == 1u && checks.size() == 1u);

        screen.type(edits[0], L"40x0");
        screen.type(edits[2], L"0,5");
        screen.click(findButton(window, L"OK"));
        EXPECT_FALSE(dialog.isFinished());
        EXPECT_EQ(dialog.getMarkedFields(), (std::vector<size_t>{0, 4}));
        EXPECT_TRUE(hasText(window, L"Please correct the marked values."));
        EXPECT_EQ(ini.get("S1", "port"), "4000");

        screen.type(edits[0], L"4001");
        screen.type(edits[2], L"0.5");
        screen.choose(combos[0], 2);
        screen.click(checks[0]);
        screen.click(findButton(window, L"OK"));
        ASSERT_TRUE(dialog.isAccepted());
        const IniSection expected{
            {"port", "4001"}, {"flavor", "Levil"}, {"useSerial", "1"}, {"deviceNode", "/dev/ttyUSB0"}, {"gain", "0.5"}};
        EXPECT_EQ(ini.getSection("S1"), expected);
        EXPECT_EQ(IniFile(dir / "config.ini").getSection("S1"), expected);

        SettingsEditorDialog cancelled(screen.context, descriptor, &ini, "S2");
        screen.show(cancelled);
        screen.type(elementsOf<gui::IGUIEditBox>(cancelled.getWindow(), gui::EGUIET_EDIT_BOX)[0], L"5000");
        screen.click(findButton(cancelled.getWindow(), L"Cancel"));
        EXPECT_TRUE(cancelled.isFinished() && !cancelled.isAccepted() && !ini.isSectionAvailable("S2"));
    }
}
