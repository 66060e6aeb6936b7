#include "gui/HWInputManager.h"

#include "base/IniFile.h"

using namespace irr;

namespace {
const char* const kActionsSection = "actions";
const char* const kAutoSelectKey = "autoSelectPreviousSensors";
}  // namespace

HWInputManager::HWInputManager(const std::string& path, JoystickReader reader, gui::IGUIEnvironment* env)
    : iniPath(path), joysticks(std::move(reader)), environment(env), map(HWInputMap::defaults()) {
    const IniFile ini(iniPath);
    map.load(ini.getSection(kActionsSection));
    // By default a start takes the sensors of the last run: the chooser
    // comes up while none is set up, and from the menu at any time.
    autoSelectPreviousSensors = getFromIniSection(ini.getSection(""), kAutoSelectKey, true);
    // Buttons held while the program starts are not presses.
    SEvent::SJoystickEvent state;
    for (int i = 0; joysticks && joysticks(i, state); ++i)
        lastStates.push_back(JoystickState{state.ButtonStates, state.POV});
}

void HWInputManager::update() {
    if (!joysticks) return;
    SEvent::SJoystickEvent state;
    for (int i = 0; joysticks(i, state); ++i) {
        const JoystickState now{state.ButtonStates, state.POV};
        if (static_cast<size_t>(i) >= lastStates.size()) lastStates.push_back(now);
        for (const HWBinding& press : getNewPresses(i, lastStates[i], now)) fire(press);
        lastStates[i] = now;
    }
}

bool HWInputManager::processEvent(const SEvent& event) {
    if (event.EventType != EET_KEY_INPUT_EVENT || !event.KeyInput.PressedDown) return false;
    gui::IGUIElement* focus = environment ? environment->getFocus() : nullptr;
    if (focus && focus->getType() == gui::EGUIET_EDIT_BOX) return false;
    const HWBinding key{HWBinding::KEY, 0, static_cast<int>(event.KeyInput.Key)};
    if (!listener || map.getActions(key).empty()) return false;
    fire(key);
    return true;
}

void HWInputManager::fire(const HWBinding& binding) {
    if (!listener) return;
    for (HWAction action : map.getActions(binding)) listener->OnHWInputAction(action);
}

void HWInputManager::setAutoSelectPreviousSensors(bool value) {
    autoSelectPreviousSensors = value;
    save();
}

void HWInputManager::setMap(const HWInputMap& newMap) {
    map = newMap;
    save();
}

bool HWInputManager::save() const {
    IniFile ini;
    IniSection actions;
    map.save(actions);
    ini.setSection(kActionsSection, actions);
    ini.set("", kAutoSelectKey, autoSelectPreviousSensors ? "1" : "0");
    return ini.save(iniPath);
}
