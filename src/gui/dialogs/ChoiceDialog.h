#pragma once
#include <string>
#include <vector>

#include "gui/dialogs/Dialog.h"

// A text and one button per choice: the message box ("OK"), the yes/no
// question and the questions presets ask (askUserChoice). The result is the
// index of the button pressed, or -1 when the dialog was closed without one.
class ChoiceDialog : public ADialog {
public:
    ChoiceDialog(const DialogContext& context, std::wstring title, std::wstring text,
                 std::vector<std::wstring> choices);

    int getChoice() const { return choice; }

    // A message with an "OK" button.
    static std::unique_ptr<ChoiceDialog> message(const DialogContext& context, const std::wstring& text);
    // A question answered with "Yes" (choice 0) or "No" (choice 1).
    static std::unique_ptr<ChoiceDialog> yesNo(const DialogContext& context, const std::wstring& text);
    // The question asked before the program ends; "Yes" is choice 0.
    static std::unique_ptr<ChoiceDialog> exitConfirmation(const DialogContext& context);

protected:
    void build() override;
    bool onGUIEvent(const irr::SEvent::SGUIEvent& event) override;

private:
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> choices;
    std::vector<irr::gui::IGUIButton*> buttons;
    int choice = -1;
};

// Asks synchronously (for questions during start-up): the index of the
// choice, -1 when the window was closed.
int askUserChoice(const DialogContext& context, const std::wstring& question, const std::vector<std::wstring>& choices);
