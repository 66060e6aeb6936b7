#include "gui/dialogs/ChoiceDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"

using namespace irr;

TEST(ChoiceDialog, EachButtonGivesItsIndexAtEverySizeAndOrientation) {
    const std::vector<std::wstring> choices = {L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only", L"Cancel"};
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}, {1920, 1080}}) {
        TestScreen screen(w, h);
        for (int pick = 0; pick < 3; ++pick) {
            ChoiceDialog dialog(screen.context, L"Cirrona", L"Please select your prefered Tablet/Phone sensor usage:",
                                choices);
            screen.show(dialog);
            gui::IGUIButton* button = findButton(dialog.getWindow(), choices[pick]);
            ASSERT_NE(button, nullptr);
            const core::rect<s32> r = button->getAbsolutePosition();
            EXPECT_TRUE(r.UpperLeftCorner.X >= 0 && r.LowerRightCorner.X <= w && r.LowerRightCorner.Y <= h);
            screen.draw();
            screen.click(button);
            EXPECT_TRUE(dialog.isFinished());
            EXPECT_EQ(dialog.getChoice(), pick) << w << "x" << h;
            EXPECT_FALSE(dialog.getWindow()->isVisible());
        }
    }
}

TEST(ChoiceDialog, EscapeOrTheCloseButtonCancelAndClicksBesideTheButtonsDoNothing) {
    TestScreen screen(800, 480);
    std::unique_ptr<ChoiceDialog> dialog = ChoiceDialog::yesNo(screen.context, L"Delete the sensor?");
    screen.show(*dialog);
    screen.click(dialog->getWindow());  // the window's middle holds only the text
    EXPECT_FALSE(dialog->isFinished());
    screen.key(KEY_ESCAPE);
    EXPECT_TRUE(dialog->isFinished());
    EXPECT_EQ(dialog->getChoice(), -1);

    std::unique_ptr<ChoiceDialog> exit = ChoiceDialog::exitConfirmation(screen.context);
    screen.show(*exit);
    screen.click(exit->getWindow()->getCloseButton());
    EXPECT_TRUE(exit->isFinished());
    EXPECT_EQ(exit->getChoice(), -1);
    EXPECT_TRUE(screen.device->getGUIEnvironment()->getRootGUIElement()->getChildren().size() >= 1u);
    exit.reset();
    dialog.reset();
    EXPECT_TRUE(screen.device->getGUIEnvironment()->getRootGUIElement()->getChildren().empty());
}

TEST(ChoiceDialog, TheModalHelperReturnsTheAnswerAndRestoresTheEventReceiver) {
    TestScreen screen(1920, 1080);
    struct Counter : IEventReceiver {
        bool OnEvent(const SEvent&) override { return false; }
    } previous;
    screen.device->setEventReceiver(&previous);
    ChoiceDialog dialog(screen.context, L"Cirrona", L"Please select your Flight Simulator:",
                        {L"FlightGear", L"XPlane", L"Cancel"});
    int frames = 0;
    runModal(dialog, [&] {
        // The first frames draw the question; then the pilot taps "XPlane".
        if (++frames == 3) screen.click(findButton(dialog.getWindow(), L"XPlane"));
    });
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(dialog.getChoice(), 1);
    EXPECT_EQ(screen.device->getEventReceiver(), &previous);
}
