#include "gui/dialogs/ChoiceDialog.h"

using namespace irr;

ChoiceDialog::ChoiceDialog(const DialogContext& c, std::wstring dialogTitle, std::wstring dialogText,
                           std::vector<std::wstring> dialogChoices)
    : ADialog(c), title(std::move(dialogTitle)), text(std::move(dialogText)), choices(std::move(dialogChoices)) {}

std::unique_ptr<ChoiceDialog> ChoiceDialog::message(const DialogContext& c, const std::wstring& text) {
    return std::make_unique<ChoiceDialog>(c, L"Cirrona", text, std::vector<std::wstring>{L"OK"});
}

std::unique_ptr<ChoiceDialog> ChoiceDialog::yesNo(const DialogContext& c, const std::wstring& text) {
    return std::make_unique<ChoiceDialog>(c, L"Cirrona", text, std::vector<std::wstring>{L"Yes", L"No"});
}

std::unique_ptr<ChoiceDialog> ChoiceDialog::exitConfirmation(const DialogContext& c) {
    return yesNo(c, L"Do you really want to exit Cirrona?");
}

void ChoiceDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const int textWidth = dialogWidth(m) - 2 * m.margin();
    const ButtonDialogLayout l = layOutButtonDialog(m, getTitleHeight(), measureWrappedHeight(text, textWidth),
                                                    int(choices.size()), measureWidest(choices));
    createWindow(l.window, title);
    addText(l.text, text);
    for (size_t i = 0; i < choices.size(); ++i) buttons.push_back(addButton(l.buttons[i], choices[i]));
}

bool ChoiceDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    if (event.EventType != gui::EGET_BUTTON_CLICKED) return false;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (event.Caller == buttons[i]) {
            choice = int(i);
            finish();
            return true;
        }
    return false;
}

int askUserChoice(const DialogContext& c, const std::wstring& question, const std::vector<std::wstring>& choices) {
    ChoiceDialog dialog(c, L"Cirrona", question, choices);
    runModal(dialog);
    return dialog.getChoice();
}
