#pragma once
#include <irrlicht.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/logic/HWInputMap.h"

// Whoever turns hardware actions into effects (the panel manager: pages,
// zoom, menu) implements this.
class IHWInputListener {
public:
    virtual ~IHWInputListener() = default;
    virtual void OnHWInputAction(HWAction action) = 0;
};

// Turns key presses and joystick buttons and hat into actions for the
// listener, by the bindings of its own INI file. Joysticks are read from the
// states the event receiver keeps (it consumes their events), once per
// frame in update(); keys arrive through processEvent.
class HWInputManager {
public:
    // Writes the state of joystick `index` and returns true, or returns
    // false when there is no such joystick.
    using JoystickReader = std::function<bool(int index, irr::SEvent::SJoystickEvent& state)>;

    // iniPath: the manager's own file (e.g. data/hwinput.ini below the
    // home); missing, it means the default bindings. The GUI environment,
    // when given, keeps keys typed into an edit box from acting.
    HWInputManager(const std::string& iniPath, JoystickReader joysticks, irr::gui::IGUIEnvironment* environment);

    void setListener(IHWInputListener* listener) { this->listener = listener; }

    // Once per frame: joystick buttons and hat directions that went down
    // since the last call become actions.
    void update();
    // True when the event was a key bound to an action (it is then used up).
    bool processEvent(const irr::SEvent& event);

    // Whether a start should take the sensors of the last run without
    // asking (set on dedicated cockpit displays).
    bool shouldAutoSelectPreviousSensors() const { return autoSelectPreviousSensors; }
    void setAutoSelectPreviousSensors(bool value);

    const HWInputMap& getMap() const { return map; }
    // Replaces the bindings and writes the file.
    void setMap(const HWInputMap& map);
    // Writes the file (atomically: the old one survives a failed write).
    bool save() const;

private:
    void fire(const HWBinding& binding);

    std::string iniPath;
    JoystickReader joysticks;
    irr::gui::IGUIEnvironment* environment;
    IHWInputListener* listener = nullptr;
    HWInputMap map;
    bool autoSelectPreviousSensors = true;
    std::vector<JoystickState> lastStates;
};
