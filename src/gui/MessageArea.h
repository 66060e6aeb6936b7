#pragma once
#include <irrlicht.h>

#include <cstdint>
#include <map>
#include <string>

// The pilot's message line: each part of the program owns at most one
// message (a new one from the same owner replaces it), shown with its colour
// until its time runs out. The newest messages are drawn at the bottom of the
// screen, above each other.
class MessageArea {
public:
    enum Colour { NORMAL = 0, NOTICE = 1, WARNING = 2 };

    // durationMs < 0: until replaced or removed.
    void setMessage(const void* owner, const std::wstring& text, int colour, int durationMs, uint32_t nowMs);
    void removeMessage(const void* owner);
    void clear() { messages.clear(); }
    // Drops expired messages; returns how many remain.
    size_t expire(uint32_t nowMs);
    size_t size() const { return messages.size(); }
    // The text of the owner's message, empty if it has none.
    std::wstring getText(const void* owner) const;

    // Draws the messages with a "Close" mark; a click anywhere on them
    // closes them all, so getBounds() is the close area.
    void render(irr::video::IVideoDriver* driver, irr::gui::IGUIFont* font, uint32_t nowMs);
    // Where the last render put the messages; empty when none were drawn.
    irr::core::rect<irr::s32> getBounds() const { return bounds; }

private:
    struct Message {
        std::wstring text;
        int colour = NORMAL;
        bool expires = false;
        uint32_t expiryMs = 0;
        uint64_t order = 0;
    };
    std::map<const void*, Message> messages;
    uint64_t nextOrder = 0;
    irr::core::rect<irr::s32> bounds;
};
