#pragma once
#include <irrlicht.h>

#include <cstdint>
#include <deque>
#include <vector>

class ICommonAppContext;

// The engine delivers input while it pumps its window; the main loop wants it
// at one point of the frame. EventReceiver queues the events for the loop,
// keeps a table of held keys and the state of each joystick, and lets
// sub-receivers (dialogs) take events first.
class IMultiEventReceiver : public irr::IEventReceiver {
public:
    virtual void addSubEventReceiver(irr::IEventReceiver* receiver) = 0;
    virtual void removeSubEventReceiver(irr::IEventReceiver* receiver) = 0;
};

class EventReceiver : public IMultiEventReceiver {
public:
    EventReceiver(ICommonAppContext* context, unsigned capacity);

    bool OnEvent(const irr::SEvent& event) override;

    bool isEventAvailable() const { return !queue.empty(); }
    irr::SEvent popEvent();
    const irr::SEvent& getEvent() const { return queue.front(); }
    const std::deque<irr::SEvent>& getEventQueue() const { return queue; }
    unsigned getEventCount() const { return static_cast<unsigned>(queue.size()); }
    unsigned getCapacity() const { return capacity; }

    bool isKeyDown(irr::EKEY_CODE key) const;

    // Releasing Insert asks for a screenshot; the frame takes it once it is
    // drawn (see saveScreenshot). True once per request.
    bool takeScreenshotRequest();

    int getJoystickCount() const { return static_cast<int>(joysticks.size()); }
    const irr::SJoystickInfo& getJoystickInfo(int index) const { return joysticks[index].info; }
    const irr::SEvent::SJoystickEvent& getJoystickStatus(int index) const { return joysticks[index].state; }
    uint32_t getLastJoystickUpdateTime(int index) const { return joysticks[index].lastChange; }

    void addSubEventReceiver(irr::IEventReceiver* receiver) override;
    void removeSubEventReceiver(irr::IEventReceiver* receiver) override;

    void setBackButton(irr::gui::IGUIButton* button) { backButton = button; }
    irr::gui::IGUIButton* getBackButton() const { return backButton; }

    void setMessageOverlayVisible(bool visible) { overlayVisible = visible; }
    // A null pointer removes the rectangle.
    void setMessageOverlayBox(irr::core::rect<int>* box);

private:
    struct Joystick {
        irr::SJoystickInfo info;
        irr::SEvent::SJoystickEvent state{};
        uint32_t lastChange = 0;
    };

    void init();
    bool onJoystick(const irr::SEvent::SJoystickEvent& event);
    // True when the key event was fully handled and must go no further.
    bool onKey(const irr::SEvent::SKeyInput& key);
    bool onBackKey();
    void enqueue(const irr::SEvent& event);
    bool isHiddenFromGUI(const irr::SEvent& event) const;

    ICommonAppContext* context;
    unsigned capacity;
    std::deque<irr::SEvent> queue;
    bool keys[256] = {};
    std::vector<Joystick> joysticks;
    std::vector<irr::IEventReceiver*> subReceivers;
    irr::gui::IGUIButton* backButton = nullptr;
    bool screenshotRequested = false;
    bool overlayVisible = false;
    bool hasOverlayBox = false;
    irr::core::rect<int> overlayBox;
};
