#include "gui/dialogs/SensorSetupDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
constexpr int kGDL90 = 6, kSimulation = 7;

struct SetupScreen : TestScreen {
    SetupScreen(int w, int h) : TestScreen(w, h) {
        registerSensorKinds(manager);
        IniFile ini;
        ini.set("", "SensorCount", "1");
        ini.save(path);
    }
    void addSensor(SensorSetupDialog& d, int kind) {
        choose(static_cast<gui::IGUIComboBox*>(d.findNamed("factoryBox")), kind);
        click(d.findNamed("addButton"));
    }
    void press(SensorSetupDialog& d, const char* button, int sensorRow) {
        clickRow(static_cast<gui::IGUIListBox*>(d.findNamed("sensorList")), sensorRow);
        click(d.findNamed(button));
    }

    TempDir dir;
    std::string path = dir / "config.ini";
    SensorManager manager;
};
}  // namespace

TEST(SensorSetupDialog, SensorsAddedEditedAndRemovedByTapsAreSavedWithTheirSources) {
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}}) {
        SetupScreen screen(w, h);
        SensorSetupDialog dialog(screen.context, screen.manager, screen.path);
        screen.show(dialog);
        screen.addSensor(dialog, kSimulation);
        screen.addSensor(dialog, kGDL90);
        screen.choose(dialog.getSourceBox(ISensorData::POSITION), 2);

        // The traffic row is below the fold: scroll down to it.
        gui::IGUIComboBox* traffic = dialog.getSourceBox(ISensorData::TRAFFIC);
        auto arrows = elementsOf<gui::IGUIButton>(dialog.findNamed("sourceScroll"), gui::EGUIET_BUTTON);
        for (int i = 0; i < 23 && !traffic->isVisible(); ++i) screen.click(arrows[1]);
        ASSERT_TRUE(traffic->isVisible());
        screen.choose(traffic, 1);  // the simulation, which has no traffic
        ASSERT_NE(dialog.getChild(), nullptr);
        EXPECT_TRUE(hasText(dialog.getChild()->getWindow(), L"Data Type not supported by selected sensor."));
        EXPECT_EQ(traffic->getSelected(), 0);
        screen.click(findButton(dialog.getChild()->getWindow(), L"OK"));

        screen.press(dialog, "editButton", 1);
        ASSERT_NE(dialog.getChild(), nullptr);
        gui::IGUIElement* editor = dialog.getChild()->getWindow();
        const auto edits = elementsOf<gui::IGUIEditBox>(editor, gui::EGUIET_EDIT_BOX);
        screen.type(edits[0], L"4002");
        screen.type(edits[1], L"/nonexistent/tty");  // a serial line: the reload opens no socket
        screen.click(elementsOf<gui::IGUICheckBox>(editor, gui::EGUIET_CHECK_BOX)[0]);
        screen.click(findButton(editor, L"OK"));
        screen.press(dialog, "removeButton", 0);
        screen.click(dialog.findNamed("okButton"));
        ASSERT_TRUE(dialog.isAccepted());
        // The manager was rebuilt from the saved file.
        ASSERT_EQ(screen.manager.getSensorInterfaceCount(), 2);
        EXPECT_EQ(screen.manager.getDefaultSensor(ISensorData::POSITION), screen.manager.getSensorInterface(1));

        IniFile file(screen.path);
        EXPECT_EQ(file.getSection("S1").size(), 7u);
        EXPECT_EQ(file.get("S1", "FactoryName"), "GDL90 compatible device");
        EXPECT_EQ(file.get("S1", "port"), "4002");
        EXPECT_FALSE(file.isSectionAvailable("S2"));
        EXPECT_EQ(file.get("", "D4"), "1");
    }
}
