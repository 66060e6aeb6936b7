#include "gui/dialogs/Dialog.h"

#include <algorithm>

#include "base/Time.h"
#include "gui/Skin.h"

using namespace irr;

namespace {
// Frame period of the modal loop, as in the main loop.
constexpr unsigned kModalFrameMs = 36;
}  // namespace

DialogMetrics DialogContext::getMetrics() const {
    const core::dimension2d<u32> size = device->getVideoDriver()->getScreenSize();
    return {int(size.Width), int(size.Height), buttonWidth, buttonHeight};
}

ADialog::ADialog(const DialogContext& dialogContext) : context(dialogContext) {}

ADialog::~ADialog() {
    child.reset();
    // Taking the focus away below sends an event; it must not come back here.
    if (context.device->getEventReceiver() == this) context.device->setEventReceiver(nullptr);
    if (window) {
        gui::IGUIEnvironment* env = context.getGUI();
        if (env->getFocus() && isOwnElement(env->getFocus())) env->removeFocus(env->getFocus());
        window->remove();
        window->drop();
    }
}

namespace {
gui::IGUIElement* findNamedBelow(gui::IGUIElement* element, const std::string& name) {
    for (gui::IGUIElement* child : element->getChildren()) {
        if (child->getName() && name == child->getName()) return child;
        if (gui::IGUIElement* found = findNamedBelow(child, name)) return found;
    }
    return nullptr;
}
}  // namespace

gui::IGUIElement* ADialog::findNamed(const char* name) const { return window ? findNamedBelow(window, name) : nullptr; }

void ADialog::open() {
    if (window) return;
    build();
}

void ADialog::cancel() {
    if (!finished) onCancel();
}

void ADialog::finish() {
    finished = true;
    if (window) window->setVisible(false);
}

gui::IGUIWindow* ADialog::createWindow(const Box& box, const std::wstring& title) {
    window =
        context.getGUI()->addWindow(core::rect<s32>(box.left, box.top, box.right, box.bottom), false, title.c_str());
    // The dialog decides when the window goes; the engine's close button
    // only asks (see OnEvent).
    window->grab();
    window->getMinimizeButton()->setVisible(false);
    window->getMaximizeButton()->setVisible(false);
    context.getGUI()->setFocus(window);
    return window;
}

int ADialog::getTitleHeight() const {
    gui::IGUISkin* skin = context.getGUI()->getSkin();
    return skin->getSize(gui::EGDS_WINDOW_BUTTON_WIDTH) + 6;
}

gui::IGUIButton* ADialog::addButton(const Box& b, const std::wstring& label) {
    return context.getGUI()->addButton(core::rect<s32>(b.left, b.top, b.right, b.bottom), window, -1, label.c_str());
}

gui::IGUIStaticText* ADialog::addText(const Box& b, const std::wstring& text, bool wrap) {
    gui::IGUIStaticText* t = context.getGUI()->addStaticText(
        text.c_str(), core::rect<s32>(b.left, b.top, b.right, b.bottom), false, wrap, window);
    t->setTextAlignment(gui::EGUIA_UPPERLEFT, wrap ? gui::EGUIA_UPPERLEFT : gui::EGUIA_CENTER);
    return t;
}

int ADialog::measureWrappedHeight(const std::wstring& text, int width) const {
    gui::IGUIFont* font = context.getGUI()->getSkin()->getFont();
    const int lineHeight = int(font->getDimension(L"Ag").Height);
    int lines = 0;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        const std::wstring paragraph = text.substr(start, end - start);
        const int w = int(font->getDimension(paragraph.c_str()).Width);
        // Words do not break exactly at the edge; a little room avoids a
        // clipped last line.
        lines += std::max(1, (w * 11 / 10 + width - 1) / std::max(1, width));
        start = end + 1;
    }
    return lines * lineHeight;
}

int ADialog::measureWidest(const std::vector<std::wstring>& texts) const {
    gui::IGUIFont* font = context.getGUI()->getSkin()->getFont();
    int widest = 0;
    for (const std::wstring& t : texts) widest = std::max(widest, int(font->getDimension(t.c_str()).Width));
    return widest;
}

bool ADialog::onOkOrCancel(const SEvent::SGUIEvent& event, const gui::IGUIElement* ok,
                           const gui::IGUIElement* cancelButton, const std::function<void()>& accept) {
    const bool clicked = event.EventType == gui::EGET_BUTTON_CLICKED;
    if ((clicked && event.Caller == ok) || event.EventType == gui::EGET_EDITBOX_ENTER) {
        accept();
        return true;
    }
    if (clicked && event.Caller == cancelButton) {
        cancel();
        return true;
    }
    return false;
}

void ADialog::openChild(std::unique_ptr<ADialog> dialog, std::function<void(ADialog&)> onFinished) {
    child = std::move(dialog);
    onChildFinished = std::move(onFinished);
    child->open();
}

void ADialog::reapChild() {
    if (!child || !child->isFinished()) return;
    // The callback may open the next child; keep this one alive until then.
    std::unique_ptr<ADialog> done = std::move(child);
    std::function<void(ADialog&)> callback = std::move(onChildFinished);
    if (callback) callback(*done);
    if (window && !finished && !child) context.getGUI()->setFocus(window);
}

bool ADialog::isOwnElement(const gui::IGUIElement* element) const {
    for (; element; element = element->getParent())
        if (element == window) return true;
    return false;
}

bool ADialog::onInput(const SEvent& event) {
    reapChild();
    if (child) {
        const bool handled = child->OnEvent(event);
        reapChild();
        return handled;
    }
    if (event.EventType == EET_KEY_INPUT_EVENT && event.KeyInput.Key == KEY_ESCAPE) {
        if (!event.KeyInput.PressedDown) cancel();
        return true;
    }
    // The GUI answers with GUI events, which come back through the device's
    // receiver to OnEvent.
    context.getGUI()->postEventFromUser(event);
    reapChild();
    return true;
}

bool ADialog::OnEvent(const SEvent& event) {
    if (!window || finished) return false;
    if (event.EventType == EET_MOUSE_INPUT_EVENT || event.EventType == EET_KEY_INPUT_EVENT) return onInput(event);
    if (event.EventType != EET_GUI_EVENT) return false;
    if (child && child->OnEvent(event)) return true;
    if (!isOwnElement(event.GUIEvent.Caller)) return false;
    if (event.GUIEvent.EventType == gui::EGET_ELEMENT_CLOSED && event.GUIEvent.Caller == window) {
        cancel();
        return true;
    }
    return onGUIEvent(event.GUIEvent);
}

namespace {
// Hands every event to the dialog while it runs modally.
class ModalRouter : public IEventReceiver {
public:
    explicit ModalRouter(ADialog& d) : dialog(d) {}
    bool OnEvent(const SEvent& event) override { return dialog.OnEvent(event); }

private:
    ADialog& dialog;
};
}  // namespace

namespace {
std::function<bool()> modalAbort;
}

void setModalAbortCheck(std::function<bool()> shallAbort) { modalAbort = std::move(shallAbort); }

void runModal(ADialog& dialog, std::function<void()> onFrame) {
    const DialogContext& c = dialog.getContext();
    IrrlichtDevice* device = c.device;
    ModalRouter router(dialog);
    IEventReceiver* previous = device->getEventReceiver();
    device->setEventReceiver(&router);
    dialog.open();
    video::IVideoDriver* driver = device->getVideoDriver();
    const video::SColor background = c.skin ? c.skin->getBackgroundColor() : video::SColor(255, 0, 0, 0);
    uint32_t frameStart = getMilliSecs();
    while (!dialog.isFinished() && device->run()) {
        if (modalAbort && modalAbort()) break;
        if (onFrame) onFrame();
        driver->beginScene(true, true, background);
        device->getGUIEnvironment()->drawAll();
        driver->endScene();
        const uint32_t elapsed = TimeDiff(getMilliSecs(), frameStart);
        if (elapsed < kModalFrameMs) delay(kModalFrameMs - elapsed);
        frameStart = getMilliSecs();
    }
    if (!dialog.isFinished()) dialog.cancel();
    device->setEventReceiver(previous);
}
