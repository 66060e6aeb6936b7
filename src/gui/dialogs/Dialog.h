#pragma once
#include <irrlicht.h>

#include <functional>
#include <memory>
#include <string>

#include "gui/dialogs/DialogLayout.h"

class Skin;

// What every dialog needs from the program: the engine, the look, the
// screen-dependent button size and the way to find files below the home.
struct DialogContext {
    irr::IrrlichtDevice* device = nullptr;
    Skin* skin = nullptr;  // may be null: the engine's default look
    int buttonWidth = 0;
    int buttonHeight = 0;
    // "media/GUI/x.gui" to an absolute path; unset means relative to the
    // working directory.
    std::function<std::string(const std::string&)> resolvePath;

    irr::gui::IGUIEnvironment* getGUI() const { return device->getGUIEnvironment(); }
    DialogMetrics getMetrics() const;
    std::string path(const std::string& relative) const { return resolvePath ? resolvePath(relative) : relative; }
};

// Base of every dialog. A dialog is a window of the engine's GUI that takes
// the input while it is open:
//  - inside the running program, open() it and hand it the events first
//    (EventReceiver::addSubEventReceiver); once isFinished() is true, take
//    it out of the event path and delete it (its window goes with it);
//  - for a question that must be answered before the program goes on, use
//    runModal(), which draws and pumps the engine until the dialog finishes.
// Input events (mouse, touch as mouse, keys) are passed to the GUI by the
// dialog itself and never reach the panels below it. A dialog may open a
// child dialog (a question, an editor); the child then takes the input until
// it finishes, and the parent hears its result through a callback.
class ADialog : public irr::IEventReceiver {
public:
    explicit ADialog(const DialogContext& context);
    ~ADialog() override;
    ADialog(const ADialog&) = delete;
    ADialog& operator=(const ADialog&) = delete;

    // Creates the window; later calls do nothing.
    void open();
    bool isOpen() const { return window != nullptr; }
    bool isFinished() const { return finished; }
    // Gives up as if the pilot had pressed Cancel.
    void cancel();

    bool OnEvent(const irr::SEvent& event) override;

    irr::gui::IGUIWindow* getWindow() const { return window; }
    // The element of the window with the name (layout files name theirs).
    irr::gui::IGUIElement* findNamed(const char* name) const;
    // The open child dialog, null when there is none.
    ADialog* getChild() const { return child.get(); }
    const DialogContext& getContext() const { return context; }

protected:
    // Creates the window and its elements.
    virtual void build() = 0;
    // A GUI event of one of this dialog's elements; true when handled.
    virtual bool onGUIEvent(const irr::SEvent::SGUIEvent& event) = 0;
    // Escape, the window's close button, cancel(): by default just finish.
    virtual void onCancel() { finish(); }

    // Hides the window at once; it is removed with the dialog.
    void finish();
    // A window centred on the screen with the title; elements go inside it.
    irr::gui::IGUIWindow* createWindow(const Box& box, const std::wstring& title);
    // Height of the window's title bar, for the layout functions.
    int getTitleHeight() const;
    irr::gui::IGUIButton* addButton(const Box& box, const std::wstring& label);
    irr::gui::IGUIStaticText* addText(const Box& box, const std::wstring& text, bool wrap = true);
    // Pixel height of the text word-wrapped into `width` with the GUI font.
    int measureWrappedHeight(const std::wstring& text, int width) const;
    // Width of the widest text with the GUI font.
    int measureWidest(const std::vector<std::wstring>& texts) const;

    // The answer of a form: OK, or Enter in one of its fields, runs `accept`;
    // Cancel cancels. True when the event was one of these.
    bool onOkOrCancel(const irr::SEvent::SGUIEvent& event, const irr::gui::IGUIElement* ok,
                      const irr::gui::IGUIElement* cancelButton, const std::function<void()>& accept);

    // Opens the child; onFinished runs once it finished, before it is deleted.
    void openChild(std::unique_ptr<ADialog> dialog, std::function<void(ADialog&)> onFinished);

    DialogContext context;

private:
    bool isOwnElement(const irr::gui::IGUIElement* element) const;
    bool onInput(const irr::SEvent& event);
    // Delivers the result of a finished child and deletes it.
    void reapChild();

    irr::gui::IGUIWindow* window = nullptr;
    bool finished = false;
    std::unique_ptr<ADialog> child;
    std::function<void(ADialog&)> onChildFinished;
};

// Shows the dialog and returns once it finished or the engine's window was
// closed (then the dialog is cancelled). While it runs the dialog gets every
// event; the previous event receiver is restored afterwards. onFrame, if set,
// runs once per frame before drawing.
void runModal(ADialog& dialog, std::function<void()> onFrame = nullptr);
// A question asked while the program is asked to end (a signal, a shutdown)
// is cancelled: set once, checked by runModal every frame.
void setModalAbortCheck(std::function<bool()> shallAbort);
