#include "gui/dialogs/TextPromptDialog.h"

#include "base/StringConversions.h"

using namespace irr;

namespace {
const video::SColor kRefusalColour(255, 220, 40, 40);
}  // namespace

TextPromptDialog::TextPromptDialog(const DialogContext& c, std::wstring dialogTitle, std::wstring promptText,
                                   std::string suggestion, Check textCheck, std::wstring refusalText)
    : ADialog(c),
      title(std::move(dialogTitle)),
      prompt(std::move(promptText)),
      text(std::move(suggestion)),
      check(std::move(textCheck)),
      refusal(std::move(refusalText)) {}

void TextPromptDialog::build() {
    const DialogMetrics m = context.getMetrics();
    const int textWidth = dialogWidth(m) - 2 * m.margin();
    const std::vector<std::wstring> labels{L"OK", L"Cancel"};
    const PromptLayout l = layOutPromptDialog(m, getTitleHeight(), measureWrappedHeight(prompt, textWidth),
                                              int(labels.size()), measureWidest(labels));
    gui::IGUIWindow* window = createWindow(l.window, title);
    addText(l.prompt, prompt);
    const Box& f = l.field;
    edit = context.getGUI()->addEditBox(convertUtf8ToWString(text).c_str(),
                                        core::rect<s32>(f.left, f.top, f.right, f.bottom), true, window);
    status = addText(l.status, L"", false);
    status->setOverrideColor(kRefusalColour);
    okButton = addButton(l.buttons[0], labels[0]);
    cancelButton = addButton(l.buttons[1], labels[1]);
}

void TextPromptDialog::accept() {
    const std::string typed = convertWStringToUtf8String(edit->getText());
    if (check && !check(typed)) {
        status->setText(refusal.c_str());
        return;
    }
    text = typed;
    accepted = true;
    finish();
}

bool TextPromptDialog::onGUIEvent(const SEvent::SGUIEvent& event) {
    return onOkOrCancel(event, okButton, cancelButton, [this] { accept(); });
}
