#pragma once
#include <irrlicht.h>

#include <functional>

// An invisible element that runs a function whenever its window is drawn,
// before the elements added after it. A dialog showing values that move
// while it is open (a replay's position) refreshes them here: it needs no
// timer of its own, and nothing is refreshed while nobody looks.
class FrameHook : public irr::gui::IGUIElement {
public:
    // The parent owns the hook.
    static FrameHook* add(irr::gui::IGUIEnvironment* env, irr::gui::IGUIElement* parent,
                          std::function<void()> onFrame) {
        auto* hook = new FrameHook(env, parent, std::move(onFrame));
        hook->drop();
        return hook;
    }

    void draw() override {
        if (IsVisible && onFrame) onFrame();
    }

private:
    FrameHook(irr::gui::IGUIEnvironment* env, irr::gui::IGUIElement* parent, std::function<void()> onFrame)
        : IGUIElement(irr::gui::EGUIET_ELEMENT, env, parent, -1, irr::core::rect<irr::s32>(0, 0, 0, 0)),
          onFrame(std::move(onFrame)) {}

    std::function<void()> onFrame;
};
