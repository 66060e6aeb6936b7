#include "app/EventReceiver.h"

#include <algorithm>
#include <cstring>

#include "app/ICommonAppContext.h"
#include "base/Time.h"

using namespace irr;

namespace {
// The "browser back" key (Windows virtual-key 0xA6). This engine version has
// no name for it, but the code is what hardware back buttons deliver.
constexpr EKEY_CODE KEY_BROWSER_BACK = static_cast<EKEY_CODE>(0xA6);
}

EventReceiver::EventReceiver(ICommonAppContext* ctx, unsigned cap) : context(ctx), capacity(cap) {
    init();
}

void EventReceiver::init() {
    IrrlichtDevice* device = context ? context->getIrrlichtDevice() : nullptr;
    if (!device) return;
    core::array<SJoystickInfo> found;
    if (device->activateJoysticks(found)) {
        for (u32 i = 0; i < found.size(); ++i) {
            Joystick j;
            j.info = found[i];
            joysticks.push_back(j);
        }
    }
}

bool EventReceiver::OnEvent(const SEvent& event) {
    if (event.EventType == EET_JOYSTICK_INPUT_EVENT) return onJoystick(event.JoystickEvent);
    if (event.EventType == EET_KEY_INPUT_EVENT && onKey(event.KeyInput)) return true;
    for (IEventReceiver* sub : subReceivers) {
        if (sub->OnEvent(event)) return true;
    }
    enqueue(event);
    return isHiddenFromGUI(event);
}

bool EventReceiver::onJoystick(const SEvent::SJoystickEvent& event) {
    for (Joystick& j : joysticks) {
        if (j.info.Joystick != event.Joystick) continue;
        const bool same = j.state.ButtonStates == event.ButtonStates && j.state.POV == event.POV &&
                          std::memcmp(j.state.Axis, event.Axis, sizeof(event.Axis)) == 0;
        if (!same) j.lastChange = getMilliSecs();
        j.state = event;
        break;
    }
    return true;
}

bool EventReceiver::onKey(const SEvent::SKeyInput& key) {
    if (static_cast<unsigned>(key.Key) >= 256) return false;
    keys[key.Key] = key.PressedDown;
    if (key.PressedDown) return false;
    if (key.Key == KEY_INSERT) {
        screenshotRequested = true;
        return false;
    }
    if (key.Key == KEY_BROWSER_BACK) return onBackKey();
    return false;
}

bool EventReceiver::onBackKey() {
    IrrlichtDevice* device = context ? context->getIrrlichtDevice() : nullptr;
    if (!device) return false;
    gui::IGUIEnvironment* env = device->getGUIEnvironment();
    gui::IGUIElement* focus = env->getFocus();
    if (focus && focus->getType() == gui::EGUIET_EDIT_BOX) {
        env->removeFocus(focus);
        return true;
    }
    if (backButton) {
        bool visible = true;
        for (gui::IGUIElement* e = backButton; e; e = e->getParent()) visible = visible && e->isVisible();
        if (visible) {
            SEvent click;
            click.EventType = EET_GUI_EVENT;
            click.GUIEvent.Caller = backButton;
            click.GUIEvent.Element = nullptr;
            click.GUIEvent.EventType = gui::EGET_BUTTON_CLICKED;
            backButton = nullptr;
            env->postEventFromUser(click);
            return true;
        }
    }
    backButton = nullptr;
    if (focus) env->removeFocus(focus);
    return false;
}

void EventReceiver::enqueue(const SEvent& event) {
    // A stalled loop must not let input pile up without bound; stale input is
    // worthless anyway, so the backlog is dropped in one go.
    if (queue.size() >= capacity) queue.clear();
    queue.push_back(event);
}

bool EventReceiver::isHiddenFromGUI(const SEvent& event) const {
    if (!overlayVisible || !hasOverlayBox || event.EventType != EET_MOUSE_INPUT_EVENT) return false;
    const int x = event.MouseInput.X, y = event.MouseInput.Y;
    return x >= overlayBox.UpperLeftCorner.X && x <= overlayBox.LowerRightCorner.X &&
           y >= overlayBox.UpperLeftCorner.Y && y <= overlayBox.LowerRightCorner.Y;
}

SEvent EventReceiver::popEvent() {
    SEvent event = queue.front();
    queue.pop_front();
    return event;
}

bool EventReceiver::takeScreenshotRequest() {
    const bool requested = screenshotRequested;
    screenshotRequested = false;
    return requested;
}

bool EventReceiver::isKeyDown(EKEY_CODE key) const {
    return static_cast<unsigned>(key) < 256 && keys[key];
}

void EventReceiver::addSubEventReceiver(IEventReceiver* receiver) {
    if (receiver && std::find(subReceivers.begin(), subReceivers.end(), receiver) == subReceivers.end())
        subReceivers.push_back(receiver);
}

void EventReceiver::removeSubEventReceiver(IEventReceiver* receiver) {
    subReceivers.erase(std::remove(subReceivers.begin(), subReceivers.end(), receiver), subReceivers.end());
}

void EventReceiver::setMessageOverlayBox(core::rect<int>* box) {
    hasOverlayBox = box != nullptr;
    if (box) overlayBox = *box;
}
