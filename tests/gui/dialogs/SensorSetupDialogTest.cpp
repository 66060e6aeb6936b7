#include "gui/dialogs/SensorSetupDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "gui/dialogs/SettingsEditorDialog.h"
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
        context.resolvePath = [](const std::string& relative) {
            return std::string(CIRRONA_BINARY_DIR "/cirrona-home/") + relative;
        };
        IniFile ini;
        ini.set("", "SensorCount", "1");
        ini.set("", "ALTITUDE", "ft");
        ini.set("P0", "FactoryIndex", "2");
        ini.save(path);
    }
    template <class T>
    T* named(SensorSetupDialog& d, const char* name) {
        gui::IGUIElement* e = d.findNamed(name);
        EXPECT_NE(e, nullptr) << name;
        return static_cast<T*>(e);
    }
    void addSensor(SensorSetupDialog& d, int kind) {
        chooseInCombo(*this, named<gui::IGUIComboBox>(d, "factoryBox"), kind);
        click(d.findNamed("addButton"));
    }
    void selectSensor(SensorSetupDialog& d, int row) {
        const int font = int(device->getGUIEnvironment()->getSkin()->getFont()->getDimension(L"Ag").Height);
        clickListRow(*this, named<gui::IGUIListBox>(d, "sensorList"), row,
                     std::max(font + 4, context.buttonHeight * 3 / 4));
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
        auto* list = screen.named<gui::IGUIListBox>(dialog, "sensorList");
        ASSERT_EQ(list->getItemCount(), 2u);
        EXPECT_EQ(std::wstring(list->getListItem(0)), L"1: Position Simulation");

        chooseInCombo(screen, dialog.getSourceBox(ISensorData::POSITION), 2);
        // The traffic row is below the fold: scroll down to it.
        gui::IGUIComboBox* traffic = dialog.getSourceBox(ISensorData::TRAFFIC);
        EXPECT_FALSE(traffic->isVisible());
        std::vector<gui::IGUIButton*> arrows;
        collectElements(dialog.findNamed("sourceScroll"), gui::EGUIET_BUTTON, arrows);
        ASSERT_EQ(arrows.size(), 2u);
        for (int i = 0; i < 23 && !traffic->isVisible(); ++i) screen.click(arrows[1]);
        ASSERT_TRUE(traffic->isVisible());
        EXPECT_FALSE(dialog.getSourceBox(ISensorData::GPS)->isVisible());
        // One step down the list picks the simulation, which has no traffic.
        chooseInCombo(screen, traffic, 1);
        ASSERT_NE(dialog.getChild(), nullptr);
        gui::IGUIElement* message = dialog.getChild()->getWindow();
        std::vector<gui::IGUIStaticText*> texts;
        collectElements(message, gui::EGUIET_STATIC_TEXT, texts);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(std::wstring(texts[0]->getText()), L"Data Type not supported by selected sensor.");
        EXPECT_EQ(traffic->getSelected(), 0);
        screen.click(findButton(message, L"OK"));
        EXPECT_EQ(dialog.getChild(), nullptr);

        screen.selectSensor(dialog, 1);
        screen.click(dialog.findNamed("editButton"));
        auto* editor = dynamic_cast<SettingsEditorDialog*>(dialog.getChild());
        ASSERT_NE(editor, nullptr);
        std::vector<gui::IGUIEditBox*> edits;
        collectElements(editor->getWindow(), gui::EGUIET_EDIT_BOX, edits);
        screen.type(edits[0], L"4002");
        screen.click(findButton(editor->getWindow(), L"OK"));

        screen.selectSensor(dialog, 0);
        screen.click(dialog.findNamed("removeButton"));
        EXPECT_EQ(list->getItemCount(), 1u);
        screen.draw();
        screen.click(dialog.findNamed("okButton"));
        ASSERT_TRUE(dialog.isAccepted());
        EXPECT_EQ(saved, std::vector<std::string>{"2"});

        IniFile file(screen.path);
        EXPECT_EQ(file.get("", "SensorCount"), "2");
        EXPECT_EQ(file.get("S1", "FactoryName"), "GDL90 compatible device");
        EXPECT_EQ(file.get("S1", "FactoryIndex"), "6");
        EXPECT_EQ(file.get("S1", "port"), "4002");
        EXPECT_FALSE(file.isSectionAvailable("S2"));
        EXPECT_EQ(file.get("", "D4"), "1");
        EXPECT_EQ(file.get("", "D15"), "");
        EXPECT_EQ(file.get("", "ALTITUDE"), "ft");
        EXPECT_EQ(file.get("P0", "FactoryIndex"), "2");
    }
}

TEST(SensorSetupDialog, OkRebuildsTheManagersSensorsAndCancelChangesNothing) {
    SetupScreen screen(1920, 1080);
    {
        SensorSetupDialog dialog(screen.context, screen.manager, screen.path);
        screen.show(dialog);
        screen.addSensor(dialog, kSimulation);
        screen.click(dialog.findNamed("cancelButton"));
        EXPECT_TRUE(dialog.isFinished());
        EXPECT_FALSE(dialog.isAccepted());
        EXPECT_EQ(IniFile(screen.path).get("", "SensorCount"), "1");
    }
    SensorSetupDialog dialog(screen.context, screen.manager, screen.path);
    screen.show(dialog);
    screen.addSensor(dialog, kSimulation);
    chooseInCombo(screen, dialog.getSourceBox(ISensorData::POSITION), 1);
    screen.click(dialog.findNamed("okButton"));
    ASSERT_EQ(screen.manager.getSensorInterfaceCount(), 2);
    EXPECT_EQ(screen.manager.getDefaultSensor(ISensorData::POSITION), screen.manager.getSensorInterface(1));
}
