#include "gui/dialogs/ChoiceDialog.h"

#include <gtest/gtest.h>

#include "DialogTestSupport.h"

using namespace irr;

TEST(ChoiceDialog, EachButtonGivesItsIndexAndClosingGivesMinusOne) {
    const std::vector<std::wstring> choices = {L"Tablet/Phone Sensors with AHRS", L"GPS/GNNS only", L"Cancel"};
    for (auto [w, h] : {std::pair{800, 480}, {480, 800}, {1920, 1080}}) {
        TestScreen screen(w, h);
        for (int pick = 0; pick < 5; ++pick) {
            ChoiceDialog dialog(screen.context, L"Cirrona", L"Please select:", choices);
            screen.show(dialog);
            screen.click(elementsOf<gui::IGUIStaticText>(dialog.getWindow(), gui::EGUIET_STATIC_TEXT)[0]);
            EXPECT_FALSE(dialog.isFinished());
            if (pick < 3) screen.click(findButton(dialog.getWindow(), choices[pick]));
            if (pick == 3) screen.key(KEY_ESCAPE);
            if (pick == 4) screen.click(dialog.getWindow()->getCloseButton());
            EXPECT_TRUE(dialog.isFinished() && !dialog.getWindow()->isVisible());
            EXPECT_EQ(dialog.getChoice(), pick < 3 ? pick : -1) << w << "x" << h;
        }
        EXPECT_TRUE(screen.device->getGUIEnvironment()->getRootGUIElement()->getChildren().empty());
    }
}
