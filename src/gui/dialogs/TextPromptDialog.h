#pragma once
#include <functional>
#include <string>

#include "gui/dialogs/Dialog.h"

// Asks for one line of text (a file name): the prompt, an edit box holding a
// suggestion, OK and Cancel. OK, or Enter in the box, accepts the text only
// when the check passes; otherwise the refusal is shown and the pilot tries
// again. Tapping the box brings up the on-screen keyboard.
class TextPromptDialog : public ADialog {
public:
    using Check = std::function<bool(const std::string& utf8)>;

    TextPromptDialog(const DialogContext& context, std::wstring title, std::wstring prompt, std::string suggestion,
                     Check check, std::wstring refusal);

    bool isAccepted() const { return accepted; }
    // The text accepted, UTF-8.
    const std::string& getText() const { return text; }
    irr::gui::IGUIEditBox* getEditBox() const { return edit; }

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    void accept();

    std::wstring title;
    std::wstring prompt;
    std::string text;
    Check check;
    std::wstring refusal;
    irr::gui::IGUIEditBox* edit = nullptr;
    irr::gui::IGUIStaticText* status = nullptr;
    irr::gui::IGUIButton* okButton = nullptr;
    irr::gui::IGUIButton* cancelButton = nullptr;
    bool accepted = false;
};
