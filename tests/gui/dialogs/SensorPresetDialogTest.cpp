#include "gui/dialogs/SensorPresetDialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "DialogTestSupport.h"
#include "gui/dialogs/ChoiceDialog.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

using namespace irr;

namespace {
// The sensor manager's screen side, answered by a pilot acting on each frame.
class ScriptedUI : public ISensorManagerUI {
public:
    explicit ScriptedUI(TestScreen& s) : screen(s) {}
    void setMessage(const void*, const std::wstring&, int, int) override {}
    void removeMessage(const void*) override {}
    int askUserChoice(const std::wstring& question, const std::vector<std::wstring>& choices) override {
        ChoiceDialog dialog(screen.context, L"Cirrona", question, choices);
        runModal(dialog, [&] { screen.click(findButton(dialog.getWindow(), answer)); });
        return dialog.getChoice();
    }
    IConfigOverride* chooseSensorConfigOverride(const std::vector<ConfigOverrideSection>& sections) override {
        SensorPresetDialog dialog(screen.context, sections);
        int frame = 0;
        runModal(dialog, [&] { onChooser(dialog, ++frame); });
        return dialog.getChosen();
    }
    void tapRow(SensorPresetDialog& d, const std::wstring& text) {
        screen.clickRow(d.getList(), findListRow(d.getList(), text));
    }

    TestScreen& screen;
    std::function<void(SensorPresetDialog&, int frame)> onChooser;
    std::wstring answer;
};
}  // namespace

TEST(SensorPresetDialog, APresetChosenByTapsAsksItsQuestionAndRewritesTheConfiguration) {
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}}) {
        TestScreen screen(w, h);
        SensorManager manager;
        registerSensorKinds(manager);
        ScriptedUI ui(screen);
        manager.setUI(&ui);
        ui.onChooser = [&](SensorPresetDialog& d, int frame) {
            auto* icon = elementsOf<gui::IGUIImage>(d.getWindow(), gui::EGUIET_IMAGE)[0];
            if (frame == 1) {
                // A section title offers nothing to choose.
                ui.tapRow(d, L"3. Go Flying (with extra hardware):");
                screen.click(findButton(d.getWindow(), L"Choose"));
                EXPECT_FALSE(d.isFinished() || icon->isVisible());
            }
            if (frame == 2) ui.tapRow(d, L"    Tablet/Phone + GDL90 Traffic/Weather");
            if (frame == 3) {
                EXPECT_TRUE(icon->isVisible() && icon->getImage());
                screen.click(findButton(d.getWindow(), L"Choose"));
            }
        };
        ui.answer = L"GPS/GNNS only";
        IniFile ini;
        EXPECT_TRUE(manager.loadSensorSettingsFromIni(&ini, true));
        EXPECT_EQ(ini.get("", "SensorCount"), "3");
        EXPECT_EQ(ini.get("S1", "configMode"), "INTERNAL_GNSS_ONLY");
        EXPECT_EQ(ini.get("S2", "FactoryName"), "GDL90 compatible device");
        EXPECT_EQ(manager.getSensorInterfaceCount(), 3);

        // "Keep last settings" keeps them.
        ui.onChooser = [&](auto& d, int) { screen.click(findButton(d.getWindow(), L"Keep last settings")); };
        EXPECT_FALSE(manager.loadSensorSettingsFromIni(&ini, true));
        EXPECT_EQ(ini.get("", "SensorCount"), "3");
        EXPECT_EQ(screen.device->getEventReceiver(), nullptr);  // the modal runs put back what was there
    }
}
