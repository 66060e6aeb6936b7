#include "gui/logic/HWInputMap.h"

#include <algorithm>
#include <sstream>

namespace {
const char* const kActionNames[kHWActionCount] = {"nextPage", "previousPage", "zoomIn", "zoomOut",
                                                  "menu",     "confirm",      "back",  "dayNight"};

// Key codes of the engine's EKEY_CODE (the Windows virtual-key codes), kept
// here so the mapping needs no engine.
enum Key {
    kReturn = 0x0D,
    kBackspace = 0x08,
    kEscape = 0x1B,
    kPageUp = 0x21,
    kPageDown = 0x22,
    kM = 0x4D,
    kN = 0x4E,
    kAdd = 0x6B,
    kSubtract = 0x6D,
    kPlus = 0xBB,
    kMinus = 0xBD
};

HWBinding key(int code) { return HWBinding{HWBinding::KEY, 0, code}; }
HWBinding button(int number) { return HWBinding{HWBinding::BUTTON, 0, number}; }
HWBinding hat(int direction) { return HWBinding{HWBinding::HAT, 0, direction}; }

bool readInt(std::istringstream& in, int* value) { return static_cast<bool>(in >> *value); }

int snapHat(uint16_t direction) { return direction == 0xFFFF ? -1 : ((direction + 4500) / 9000 % 4) * 9000; }
}  // namespace

const char* getHWActionName(HWAction action) { return kActionNames[static_cast<int>(action)]; }

std::string formatHWBinding(const HWBinding& b) {
    if (b.kind == HWBinding::KEY) return "key:" + std::to_string(b.code);
    return std::string(b.kind == HWBinding::BUTTON ? "button:" : "hat:") + std::to_string(b.joystick) + ":" +
           std::to_string(b.code);
}

bool parseHWBinding(const std::string& text, HWBinding* binding) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    const std::string kind = text.substr(0, colon);
    std::string rest = text.substr(colon + 1);
    std::replace(rest.begin(), rest.end(), ':', ' ');
    std::istringstream in(rest);
    HWBinding parsed;
    if (kind == "key") {
        if (!readInt(in, &parsed.code) || parsed.code <= 0 || parsed.code > 255) return false;
    } else if (kind == "button" || kind == "hat") {
        parsed.kind = kind == "button" ? HWBinding::BUTTON : HWBinding::HAT;
        if (!readInt(in, &parsed.joystick) || !readInt(in, &parsed.code) || parsed.joystick < 0) return false;
        if (parsed.kind == HWBinding::BUTTON && (parsed.code < 0 || parsed.code > 31)) return false;
        if (parsed.kind == HWBinding::HAT && (parsed.code < 0 || parsed.code % 9000 != 0 || parsed.code > 27000))
            return false;
    } else {
        return false;
    }
    std::string trailing;
    if (in >> trailing) return false;
    *binding = parsed;
    return true;
}

HWInputMap HWInputMap::defaults() {
    HWInputMap map;
    const struct {
        HWAction action;
        std::vector<HWBinding> bindings;
    } table[] = {
        {HWAction::NextPage, {key(kPageDown), button(0), hat(9000)}},
        {HWAction::PreviousPage, {key(kPageUp), button(1), hat(27000)}},
        {HWAction::ZoomIn, {key(kPlus), key(kAdd), hat(0)}},
        {HWAction::ZoomOut, {key(kMinus), key(kSubtract), hat(18000)}},
        {HWAction::Menu, {key(kM), button(2)}},
        {HWAction::Confirm, {key(kReturn), button(3)}},
        {HWAction::Back, {key(kEscape), key(kBackspace)}},
        {HWAction::DayNight, {key(kN)}},
    };
    for (const auto& row : table)
        for (const HWBinding& b : row.bindings) map.bind(row.action, b);
    return map;
}

void HWInputMap::bind(HWAction action, const HWBinding& binding) {
    auto& list = bindings[static_cast<int>(action)];
    if (std::find(list.begin(), list.end(), binding) == list.end()) list.push_back(binding);
}

void HWInputMap::unbind(HWAction action, const HWBinding& binding) {
    auto& list = bindings[static_cast<int>(action)];
    list.erase(std::remove(list.begin(), list.end(), binding), list.end());
}

std::vector<HWAction> HWInputMap::getActions(const HWBinding& binding) const {
    std::vector<HWAction> actions;
    for (int i = 0; i < kHWActionCount; ++i)
        if (std::find(bindings[i].begin(), bindings[i].end(), binding) != bindings[i].end())
            actions.push_back(static_cast<HWAction>(i));
    return actions;
}

void HWInputMap::load(const IniSection& section) {
    for (int i = 0; i < kHWActionCount; ++i) {
        const auto found = section.find(kActionNames[i]);
        if (found == section.end()) continue;
        bindings[i].clear();
        std::istringstream in(found->second);
        std::string item;
        while (std::getline(in, item, ',')) {
            HWBinding b;
            if (parseHWBinding(item, &b)) bind(static_cast<HWAction>(i), b);
        }
    }
}

void HWInputMap::save(IniSection& section) const {
    for (int i = 0; i < kHWActionCount; ++i) {
        std::string text;
        for (const HWBinding& b : bindings[i]) text += (text.empty() ? "" : ",") + formatHWBinding(b);
        section[kActionNames[i]] = text;
    }
}

std::vector<HWBinding> getNewPresses(int joystick, const JoystickState& before, const JoystickState& now) {
    std::vector<HWBinding> presses;
    const uint32_t down = now.buttons & ~before.buttons;
    for (int b = 0; b < 32; ++b)
        if (down & (1u << b)) presses.push_back(HWBinding{HWBinding::BUTTON, joystick, b});
    const int hatNow = snapHat(now.hat);
    if (hatNow >= 0 && hatNow != snapHat(before.hat)) presses.push_back(HWBinding{HWBinding::HAT, joystick, hatNow});
    return presses;
}
