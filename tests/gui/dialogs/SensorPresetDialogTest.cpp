#include "gui/dialogs/SensorPresetDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "DialogTestSupport.h"
#include "gui/dialogs/ChoiceDialog.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {

// The screen side of the sensor manager, answered by a scripted pilot that
// acts on the dialog shown in each frame.
class ScriptedUI : public ISensorManagerUI {
public:
    ScriptedUI(TestScreen& s) : screen(s) {}
    void setMessage(const void*, const std::wstring&, int, int) override {}
    void removeMessage(const void*) override {}
    int askUserChoice(const std::wstring& question, const std::vector<std::wstring>& choices) override {
        ChoiceDialog dialog(screen.context, L"Cirrona", question, choices);
        questions.push_back(question);
        runModal(dialog, [&] { onQuestion(dialog); });
        return dialog.getChoice();
    }
    IConfigOverride* chooseSensorConfigOverride(const std::vector<ConfigOverrideSection>& sections) override {
        SensorPresetDialog dialog(screen.context, sections);
        runModal(dialog, [&] { onChooser(dialog); });
        return dialog.getChosen();
    }

    TestScreen& screen;
    std::function<void(SensorPresetDialog&)> onChooser;
    std::function<void(ChoiceDialog&)> onQuestion;
    std::vector<std::wstring> questions;
};

int itemHeight(const TestScreen& screen, gui::IGUIListBox*) {
    const int font = int(screen.device->getGUIEnvironment()->getSkin()->getFont()->getDimension(L"Ag").Height);
    return std::max(font + 4, screen.context.buttonHeight * 3 / 4);
}

}  // namespace

TEST(SensorPresetDialog, APresetChosenByTapsAsksItsQuestionAndRewritesTheConfiguration) {
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}}) {
        TestScreen screen(w, h);
        SensorManager manager;
        registerSensorKinds(manager);
        ScriptedUI ui(screen);
        manager.setUI(&ui);
        int frame = 0;
        ui.onChooser = [&](SensorPresetDialog& d) {
            gui::IGUIListBox* list = d.getList();
            const int row = findListRow(list, L"    Tablet/Phone + GDL90 Traffic/Weather");
            ASSERT_GE(row, 0);
            if (++frame == 2) {
                // A section title selects nothing that could be chosen.
                clickListRow(screen, list, findListRow(list, L"3. Go Flying (with extra hardware):"),
                             itemHeight(screen, list));
                screen.click(findButton(d.getWindow(), L"Choose"));
                EXPECT_FALSE(d.isFinished());
            }
            if (frame == 3) clickListRow(screen, list, row, itemHeight(screen, list));
            if (frame == 4) screen.click(findButton(d.getWindow(), L"Choose"));
        };
        ui.onQuestion = [&](ChoiceDialog& d) { screen.click(findButton(d.getWindow(), L"GPS/GNNS only")); };
        IniFile ini;
        EXPECT_TRUE(manager.loadSensorSettingsFromIni(&ini, true));
        EXPECT_EQ(ui.questions, std::vector<std::wstring>{L"Please select your prefered Tablet/Phone sensor usage:"});
        EXPECT_EQ(ini.get("", "SensorCount"), "3");
        EXPECT_EQ(ini.get("S1", "FactoryName"), "Official SensorFusion");
        EXPECT_EQ(ini.get("S1", "configMode"), "INTERNAL_GNSS_ONLY");
        EXPECT_EQ(ini.get("S2", "FactoryName"), "GDL90 compatible device");
        EXPECT_EQ(manager.getSensorInterfaceCount(), 3);
    }
}

TEST(SensorPresetDialog, KeepingTheLastSettingsOrTappingAPresetTwice) {
    TestScreen screen(1920, 1080);
    SensorManager manager;
    registerSensorKinds(manager);
    ScriptedUI ui(screen);
    manager.setUI(&ui);
    IniFile ini;
    ini.set("", "SensorCount", "2");
    ini.set("S1", "FactoryIndex", "7");
    ui.onChooser = [&](SensorPresetDialog& d) { screen.click(findButton(d.getWindow(), L"Keep last settings")); };
    EXPECT_FALSE(manager.loadSensorSettingsFromIni(&ini, true));
    EXPECT_EQ(ini.get("S1", "FactoryIndex"), "7");

    screen.context.resolvePath = [](const std::string& relative) {
        return std::string(CIRRONA_BINARY_DIR "/cirrona-home/") + relative;
    };
    SensorPresetDialog dialog(screen.context, manager.getSensorConfigOverrideSections());
    screen.show(dialog);
    std::vector<gui::IGUIImage*> images;
    collectElements(dialog.getWindow(), gui::EGUIET_IMAGE, images);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_FALSE(images[0]->isVisible());
    const int row = findListRow(dialog.getList(), L"    Generic GDL90 Device");
    clickListRow(screen, dialog.getList(), row, itemHeight(screen, dialog.getList()));
    EXPECT_FALSE(dialog.isFinished());
    EXPECT_TRUE(images[0]->isVisible() && images[0]->getImage());
    clickListRow(screen, dialog.getList(), row, itemHeight(screen, dialog.getList()));
    ASSERT_TRUE(dialog.isFinished());
    ASSERT_NE(dialog.getChosen(), nullptr);
    EXPECT_EQ(dialog.getChosen()->getName(), L"Generic GDL90 Device");
}
