#include "gui/MessageArea.h"

#include <algorithm>
#include <vector>

using namespace irr;

namespace {
const wchar_t* const kClose = L"Close";
}

void MessageArea::setMessage(const void* owner, const std::wstring& text, int colour, int durationMs,
                             uint32_t nowMs) {
    Message& m = messages[owner];
    m.text = text;
    m.colour = colour;
    m.expires = durationMs >= 0;
    m.expiryMs = nowMs + static_cast<uint32_t>(std::max(durationMs, 0));
    m.order = nextOrder++;
}

void MessageArea::removeMessage(const void* owner) { messages.erase(owner); }

size_t MessageArea::expire(uint32_t nowMs) {
    for (auto it = messages.begin(); it != messages.end();) {
        // Signed difference so the 32-bit millisecond clock may wrap.
        if (it->second.expires && static_cast<int32_t>(nowMs - it->second.expiryMs) >= 0)
            it = messages.erase(it);
        else
            ++it;
    }
    return messages.size();
}

std::wstring MessageArea::getText(const void* owner) const {
    auto it = messages.find(owner);
    return it == messages.end() ? std::wstring() : it->second.text;
}

void MessageArea::render(video::IVideoDriver* driver, gui::IGUIFont* font, uint32_t nowMs) {
    bounds = core::rect<s32>();
    if (expire(nowMs) == 0 || !font) return;
    std::vector<const Message*> ordered;
    for (const auto& entry : messages) ordered.push_back(&entry.second);
    std::sort(ordered.begin(), ordered.end(), [](const Message* a, const Message* b) { return a->order > b->order; });
    const core::dimension2d<u32> screen = driver->getScreenSize();
    s32 bottom = static_cast<s32>(screen.Height);
    for (const Message* m : ordered) {
        const core::dimension2d<u32> size = font->getDimension(m->text.c_str());
        const s32 height = static_cast<s32>(size.Height) + 8;
        const core::rect<s32> box(0, bottom - height, screen.Width, bottom);
        const video::SColor back = m->colour == WARNING  ? video::SColor(220, 170, 20, 20)
                                   : m->colour == NOTICE ? video::SColor(220, 0, 90, 160)
                                                         : video::SColor(200, 0, 0, 0);
        driver->draw2DRectangle(back, box);
        font->draw(m->text.c_str(), box, video::SColor(255, 255, 255, 255), true, true);
        const core::dimension2d<u32> close = font->getDimension(kClose);
        const core::rect<s32> closeBox(box.LowerRightCorner.X - close.Width - 8, box.UpperLeftCorner.Y,
                                       box.LowerRightCorner.X, box.LowerRightCorner.Y);
        font->draw(kClose, closeBox, video::SColor(255, 255, 230, 120), true, true);
        if (bounds.getArea() == 0) bounds = box;
        else bounds.addInternalPoint(box.UpperLeftCorner);
        bottom -= height;
        if (bottom <= 0) break;
    }
}
