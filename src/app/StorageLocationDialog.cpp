#include "app/StorageLocationDialog.h"

#include <cstdio>

#include "app/EventReceiver.h"
#include "app/ShutdownSignal.h"
#include "base/Time.h"
#include "gui/Skin.h"

using namespace irr;

namespace {
const char* const kBoxNames[4] = {"imageBox", "terrainBox", "chartBox", "logBox"};
const char* const kFreeTextNames[4] = {"imageFreeText", "terrainFreeText", "chartFreeText", "logFreeText"};
constexpr float kDesignWidth = 800.0f;
constexpr float kDesignHeight = 480.0f;

void collectNamed(gui::IGUIElement* element, const char* name, gui::IGUIElement*& found) {
    if (found || !element) return;
    if (element->getName() && std::string(element->getName()) == name) {
        found = element;
        return;
    }
    for (gui::IGUIElement* child : element->getChildren()) collectNamed(child, name, found);
}
}  // namespace

std::wstring formatBytes(uint64_t bytes) {
    const wchar_t* units[] = {L"B", L"KB", L"MB", L"GB", L"TB"};
    double value = static_cast<double>(bytes);
    int unit = 0;
    while (value >= 1000.0 && unit < 4) {
        value /= 1000.0;
        ++unit;
    }
    wchar_t text[32];
    std::swprintf(text, 32, unit == 0 ? L"%.0f %ls" : L"%.1f %ls", value, units[unit]);
    return text;
}

StorageLocationDialog::StorageLocationDialog(IrrlichtDevice* dev, Skin* s, const std::string& guiFile,
                                             std::function<std::vector<StorageLocationOption>()> list,
                                             std::function<size_t()> count)
    : device(dev), skin(s), listDirectories(std::move(list)), countMountPoints(std::move(count)) {
    gui::IGUIEnvironment* env = device->getGUIEnvironment();
    root = env->addTab(core::rect<s32>(0, 0, 1, 1));
    if (!env->loadGUI(guiFile.c_str(), root)) std::fprintf(stderr, "Cannot read the dialog layout %s\n", guiFile.c_str());
    for (int i = 0; i < 4; ++i) {
        gui::IGUIElement* box = findNamed(kBoxNames[i]);
        gui::IGUIElement* text = findNamed(kFreeTextNames[i]);
        boxes[i] = box && box->getType() == gui::EGUIET_COMBO_BOX ? static_cast<gui::IGUIComboBox*>(box) : nullptr;
        freeTexts[i] =
            text && text->getType() == gui::EGUIET_STATIC_TEXT ? static_cast<gui::IGUIStaticText*>(text) : nullptr;
    }
    gui::IGUIElement* ok = findNamed("okButton");
    okButton = ok && ok->getType() == gui::EGUIET_BUTTON ? static_cast<gui::IGUIButton*>(ok) : nullptr;
    layOut();
    refreshLists();
}

StorageLocationDialog::~StorageLocationDialog() {
    if (root) root->remove();
}

gui::IGUIElement* StorageLocationDialog::findNamed(const char* name) const {
    gui::IGUIElement* found = nullptr;
    collectNamed(root, name, found);
    return found;
}

void StorageLocationDialog::layOut() {
    // The layout file is drawn for 800 x 480; stretch it over the screen.
    const core::dimension2d<u32> screen = device->getVideoDriver()->getScreenSize();
    root->setRelativePosition(core::rect<s32>(0, 0, screen.Width, screen.Height));
    const float sx = screen.Width / kDesignWidth, sy = screen.Height / kDesignHeight;
    for (gui::IGUIElement* child : root->getChildren()) {
        core::rect<s32> r = child->getRelativePosition();
        child->setRelativePosition(core::rect<s32>(static_cast<s32>(r.UpperLeftCorner.X * sx),
                                                   static_cast<s32>(r.UpperLeftCorner.Y * sy),
                                                   static_cast<s32>(r.LowerRightCorner.X * sx),
                                                   static_cast<s32>(r.LowerRightCorner.Y * sy)));
    }
}

void StorageLocationDialog::refreshLists() {
    knownMountCount = countMountPoints ? countMountPoints() : 0;
    options = listDirectories ? listDirectories() : std::vector<StorageLocationOption>();
    for (gui::IGUIComboBox* box : boxes) {
        if (!box) continue;
        box->clear();
        for (const StorageLocationOption& o : options) {
            std::wstring label(o.name.begin(), o.name.end());
            box->addItem(label.c_str());
        }
        // The directory with the most free space is listed first and is the
        // sensible default.
        box->setSelected(options.empty() ? -1 : 0);
    }
    updateFreeTexts();
}

void StorageLocationDialog::updateFreeTexts() {
    for (int i = 0; i < 4; ++i) {
        if (!freeTexts[i]) continue;
        const s32 selected = boxes[i] ? boxes[i]->getSelected() : -1;
        if (selected < 0 || selected >= static_cast<s32>(options.size())) {
            freeTexts[i]->setText(L"");
            continue;
        }
        const StorageLocationOption& o = options[selected];
        const std::wstring text = formatBytes(o.freeBytes) + L" free of " + formatBytes(o.totalBytes);
        freeTexts[i]->setText(text.c_str());
    }
}

bool StorageLocationDialog::OnEvent(const SEvent& event) {
    if (event.EventType != EET_GUI_EVENT) return false;
    if (event.GUIEvent.EventType == gui::EGET_COMBO_BOX_CHANGED) {
        updateFreeTexts();
        return true;
    }
    if (event.GUIEvent.EventType == gui::EGET_BUTTON_CLICKED && event.GUIEvent.Caller == okButton) {
        bool complete = true;
        for (gui::IGUIComboBox* box : boxes) complete = complete && box && box->getSelected() >= 0;
        if (complete) {
            accepted = true;
        } else {
            device->getGUIEnvironment()->addMessageBox(L"Cirrona", L"Please select a location.");
        }
        return true;
    }
    return false;
}

StorageLocationChoice StorageLocationDialog::run() {
    EventReceiver events(nullptr, 200);
    events.addSubEventReceiver(this);
    IEventReceiver* previous = device->getEventReceiver();
    device->setEventReceiver(&events);
    if (skin) skin->setFullyOpaque(true);
    video::IVideoDriver* driver = device->getVideoDriver();
    while (!accepted && device->run() && !isShutdownRequested()) {
        if (countMountPoints && countMountPoints() != knownMountCount) refreshLists();
        while (events.isEventAvailable()) events.popEvent();
        driver->beginScene(true, true, skin ? skin->getBackgroundColor() : video::SColor(255, 0, 0, 0));
        device->getGUIEnvironment()->drawAll();
        driver->endScene();
        delay(36);
    }
    device->setEventReceiver(previous);
    if (skin) skin->setFullyOpaque(false);
    StorageLocationChoice choice;
    if (!accepted) return choice;
    for (gui::IGUIComboBox* box : boxes) choice.push_back(options[box->getSelected()].path);
    if (skin && skin->getDefaultFont()) {
        driver->beginScene(true, true, skin->getBackgroundColor());
        skin->getDefaultFont()->draw(L"Please wait...", driver->getViewPort(), skin->getTextColor(), true, true);
        driver->endScene();
    }
    return choice;
}
