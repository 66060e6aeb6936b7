#include "gui/dialogs/SensorSetupDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"
#include "support/TempDir.h"

using namespace irr;

namespace {
constexpr int kGDL90 = 6;
constexpr int kSimulation = 7;

struct SetupScreen : TestScreen {
    SetupScreen(int w, int h) : TestScreen(w, h) {
        registerSensorKinds(manager);
        IniFile ini;
        ini.set("", "SensorCount", "1");
        ini.set("P0", "FactoryIndex", "2");
        ini.save(path);
    }
    void addSensor(SensorSetupDialog& d, int kind) {
        choose(static_cast<gui::IGUIComboBox*>(d.findNamed("factoryBox")), kind);
        click(d.findNamed("addButton"));
    }
    void press(SensorSetupDialog& d, const char* button, int sensorRow) {
        clickRow(static_cast<gui::IGUIListBox*>(d.findNamed("sensorList")), sensorRow,
                 std::max(fontHeight() + 4, context.buttonHeight * 3 / 4));
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
        std::vector<std::string> saved;
        SensorSetupDialog dialog(screen.context, screen.manager, screen.path,
                                 [&](IniFile& config) { saved.push_back(config.get("", "SensorCount")); });
        screen.show(dialog);
        screen.addSensor(dialog, kSimulation);
        screen.addSensor(dialog, kGDL90);
        screen.choose(dialog.getSourceBox(ISensorData::POSITION), 2);

        // The traffic row is below the fold: scroll down to it.
        gui::IGUIComboBox* traffic = dialog.getSourceBox(ISensorData::TRAFFIC);
        EXPECT_FALSE(traffic->isVisible());
        auto arrows = elementsOf<gui::IGUIButton>(dialog.findNamed("sourceScroll"), gui::EGUIET_BUTTON);
        for (int i = 0; i < 23 && !traffic->isVisible(); ++i) screen.click(arrows[1]);
        ASSERT_TRUE(traffic->isVisible());
        EXPECT_FALSE(dialog.getSourceBox(ISensorData::GPS)->isVisible());
        screen.choose(traffic, 1);  // the simulation, which has no traffic
        ASSERT_NE(dialog.getChild(), nullptr);
        EXPECT_TRUE(hasText(dialog.getChild()->getWindow(), L"Data Type not supported by selected sensor."));
        EXPECT_EQ(traffic->getSelected(), 0);
        screen.click(findButton(dialog.getChild()->getWindow(), L"OK"));

        screen.press(dialog, "editButton", 1);
        ASSERT_NE(dialog.getChild(), nullptr);
        gui::IGUIElement* editor = dialog.getChild()->getWindow();
        screen.type(elementsOf<gui::IGUIEditBox>(editor, gui::EGUIET_EDIT_BOX)[0], L"4002");
        screen.click(findButton(editor, L"OK"));
        screen.press(dialog, "removeButton", 0);
        screen.click(dialog.findNamed("okButton"));
        ASSERT_TRUE(dialog.isAccepted());
        EXPECT_EQ(saved, std::vector<std::string>{"2"});

        IniFile file(screen.path);
        EXPECT_EQ(file.getSection("S1").size(), 7u);
        EXPECT_EQ(file.get("S1", "FactoryName"), "GDL90 compatible device");
        EXPECT_EQ(file.get("S1", "port"), "4002");
        EXPECT_FALSE(file.isSectionAvailable("S2"));
        EXPECT_EQ(file.get("", "D4"), "1");
        EXPECT_EQ(file.get("", "D15"), "");
        EXPECT_EQ(file.get("P0", "FactoryIndex"), "2");
    }
}

TEST(SensorSetupDialog, OkRebuildsTheManagersSensors) {
    SetupScreen screen(1920, 1080);
    SensorSetupDialog dialog(screen.context, screen.manager, screen.path);
    screen.show(dialog);
    screen.addSensor(dialog, kSimulation);
    screen.choose(dialog.getSourceBox(ISensorData::POSITION), 1);
    screen.click(dialog.findNamed("okButton"));
    ASSERT_EQ(screen.manager.getSensorInterfaceCount(), 2);
    EXPECT_EQ(screen.manager.getDefaultSensor(ISensorData::POSITION), screen.manager.getSensorInterface(1));
}
