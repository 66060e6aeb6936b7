// The panel manager in a real OpenGL window: panels appear in their
// rectangles page by page, overlapping panels draw and take events in
// section order, and a message over the panels closes when clicked.
#include "panels/PanelManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "app/EventReceiver.h"
#include "support/TestAppContext.h"
#include "base/IniFile.h"
#include "gui/Drawer2D.h"
#include "gui/FrameCapture.h"
#include "gui/Skin.h"
#include "panels/Menu.h"

using namespace irr;

namespace {

constexpr int kWidth = 800, kHeight = 480;

// Fills its rectangle with the colour of its section and, like every real
// panel, reacts to clicks inside the rectangle it was last drawn in: it
// records them, and "Consume = 1" makes it swallow them.
struct ColourPanel : IPanel {
    video::IVideoDriver* driver;
    video::SColor colour;
    bool consume;
    std::vector<std::string>* log;
    std::string name;
    core::rect<int> drawn;
    void render(core::rect<int> area) override {
        drawn = area;
        driver->draw2DRectangle(colour, area);
    }
    bool processEvent(SEvent e) override {
        if (e.EventType != EET_MOUSE_INPUT_EVENT || !drawn.isPointInside({e.MouseInput.X, e.MouseInput.Y}))
            return true;
        if (e.MouseInput.Event == EMIE_LMOUSE_LEFT_UP) log->push_back(name);
        return !consume;
    }
    std::string getName() override { return name; }
};

struct ColourPanelFactory : IPanelFactory {
    video::IVideoDriver* driver;
    std::vector<std::string>* log;
    video::SColor colour;
    bool consume = false;
    std::string name;
    void loadSetupFromIni(IniFile* ini, std::string section) override {
        colour = video::SColor(std::strtoul(ini->get(section, "Colour").c_str(), nullptr, 16));
        consume = ini->get(section, "Consume") == "1";
        name = section;
    }
    void setup(IniFile*, std::string) override {}
    IPanel* Create() override {
        auto* p = new ColourPanel;
        p->driver = driver, p->colour = colour, p->consume = consume, p->log = log, p->name = name;
        return p;
    }
    std::string getName() override { return "Colour"; }
    void renderPreview(core::rect<int>) override {}
    void renderPreview(core::rect<int>, IPanel*) override {}
};


class PanelManagerRender : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run the suite under xvfb-run)";
        device = createTestWindow(kWidth, kHeight);
        ASSERT_NE(device, nullptr);
        window = std::make_unique<TestAppContext>(device, 80, 30, "");
        device->setEventReceiver(&window->events);
        skin = std::make_unique<Skin>(device->getGUIEnvironment(), Skin::MODERN_DARK);
        panels = std::make_unique<PanelManager>(window.get(), skin.get());
        // Every kind index resolves to the colour kind.
        for (int i = 0; i < 21; ++i) {
            auto* f = new ColourPanelFactory;
            f->driver = device->getVideoDriver();
            f->log = &clicks;
            panels->addPanelFactory(f);
        }
    }
    void TearDown() override {
        panels.reset();
        skin.reset();
        window.reset();
        if (device) device->drop();
    }

    void load(const std::string& text) {
        IniFile ini;
        ini.setFromString(text);
        panels->loadPanelSettingsFromIni(&ini, [](const std::wstring&) {}, true, true);
    }

    // One frame as the main loop draws it.
    video::IImage* frame() {
        device->run();
        video::IVideoDriver* driver = device->getVideoDriver();
        driver->beginScene(true, true, video::SColor(255, 0, 0, 0));
        panels->Render();
        device->getGUIEnvironment()->drawAll();
        panels->RenderAfterGUI();
        video::IImage* image = captureFrame(driver);
        driver->endScene();
        return image;
    }

    u32 pixel(video::IImage* image, int x, int y) { return image->getPixel(x, y).color & 0xFFFFFF; }

    // A click as the engine would deliver it, drained as the main loop does.
    void click(int x, int y) {
        for (EMOUSE_INPUT_EVENT type : {EMIE_MOUSE_MOVED, EMIE_LMOUSE_PRESSED_DOWN, EMIE_LMOUSE_LEFT_UP}) {
            SEvent e{};
            e.EventType = EET_MOUSE_INPUT_EVENT;
            e.MouseInput.Event = type;
            e.MouseInput.X = x, e.MouseInput.Y = y;
            e.MouseInput.ButtonStates = type == EMIE_LMOUSE_PRESSED_DOWN ? EMBSM_LEFT : 0;
            device->postEventFromUser(e);
        }
        while (window->events.isEventAvailable()) panels->processEvent(window->events.popEvent());
    }

    IrrlichtDevice* device = nullptr;
    std::unique_ptr<TestAppContext> window;
    std::unique_ptr<Skin> skin;
    std::unique_ptr<PanelManager> panels;
    std::vector<std::string> clicks;
};

const char* const kTwoPages =
    "PanelCount = 4\n"
    "[P0]\nFactoryIndex = 6\nPage = 0\nPortrait =\nColour = FFFF0000\n"
    "ViewPortSX = 0\nViewPortSY = 0\nViewPortTX = 0.5\nViewPortTY = 1\n\n"
    "[P1]\nFactoryIndex = 7\nPage = 0\nPortrait = 0\nColour = FF00FF00\nConsume = 1\n"
    "ViewPortSX = 0.25\nViewPortSY = 0.25\nViewPortTX = 1\nViewPortTY = 1\n\n"
    "[P2]\nFactoryIndex = 2\nPage = 1\nPortrait = 0\nColour = FF0000FF\n"
    "ViewPortSX = 0\nViewPortSY = 0\nViewPortTX = 1\nViewPortTY = 0.5\n\n"
    "[P3]\nFactoryIndex = 2\nPage = 0\nPortrait = 1\nColour = FFFFFFFF\n"
    "ViewPortSX = 0\nViewPortSY = 0\nViewPortTX = 1\nViewPortTY = 1\n\n";

TEST_F(PanelManagerRender, PagesDrawTheirPanelsInTheirRectanglesAndLaterSectionsOnTop) {
    load(kTwoPages);
    ASSERT_EQ(panels->getPageCount(), 2);
    const PanelArea area = panels->getPanelArea();
    EXPECT_EQ(area.top + area.height, kHeight);
    const int y = area.top + area.height / 8;      // above the green panel
    const int yLow = area.top + area.height * 3 / 4;

    video::IImage* page0 = frame();
    EXPECT_EQ(pixel(page0, 100, y), 0xFF0000u);
    EXPECT_EQ(pixel(page0, 300, yLow), 0x00FF00u);  // P1 covers P0 where they overlap
    EXPECT_EQ(pixel(page0, 700, yLow), 0x00FF00u);
    EXPECT_NE(pixel(page0, 700, y), 0x00FF00u);     // nothing there on page 0
    page0->drop();

    panels->nextPage();
    video::IImage* page1 = frame();
    EXPECT_EQ(pixel(page1, 700, y), 0x0000FFu);
    EXPECT_NE(pixel(page1, 100, yLow), 0xFF0000u);
    EXPECT_NE(pixel(page1, 700, yLow), 0x00FF00u);
    // The portrait section never appears in landscape.
    EXPECT_NE(pixel(page1, 100, yLow), 0xFFFFFFu);
    page1->drop();
    EXPECT_EQ(panels->getCurrentPage(), 1);
    panels->nextPage();
    EXPECT_EQ(panels->getCurrentPage(), 0);
}

TEST_F(PanelManagerRender, EventsReachTheTopmostPanelFirstAndStopWhereConsumed) {
    load(kTwoPages);
    frame();
    const PanelArea area = panels->getPanelArea();
    click(300, area.top + area.height * 3 / 4);  // overlap: P1 consumes
    click(100, area.top + area.height / 8);      // only P0
    EXPECT_EQ(clicks, (std::vector<std::string>{"P1", "P0"}));
    // Panels of other pages never see events; locked panels see none.
    panels->nextPage();
    frame();
    click(100, area.top + area.height / 8);
    panels->setLock(true);
    click(700, area.top + area.height / 8);
    panels->setLock(false);
    click(700, area.top + area.height / 8);
    EXPECT_EQ(clicks, (std::vector<std::string>{"P1", "P0", "P2", "P2"}) );
}

TEST_F(PanelManagerRender, FullScreenPanelCoversTheAreaUntilThePageTurns) {
    load(kTwoPages);
    panels->setFullScreenPanel(panels->getPanels()[0].panel);
    video::IImage* full = frame();
    const PanelArea area = panels->getPanelArea();
    EXPECT_EQ(pixel(full, 700, area.top + area.height * 3 / 4), 0xFF0000u);
    full->drop();
    panels->nextPage();
    panels->previousPage();
    EXPECT_EQ(panels->getFullScreenPanel(), nullptr);
    video::IImage* normal = frame();
    EXPECT_EQ(pixel(normal, 700, area.top + area.height * 3 / 4), 0x00FF00u);
    normal->drop();
}

TEST_F(PanelManagerRender, MessageShowsOverPanelsAndAClickOnItClosesAll) {
    load(kTwoPages);
    int owner = 0, other = 0;
    panels->setMessage(&owner, L"Connection lost.", PanelManager::WARNING, -1);
    panels->setMessage(&other, std::string("Traffic"), PanelManager::NORMAL, 60000);
    video::IImage* withMessage = frame();
    const core::rect<int> box = panels->getMessages().getBounds();
    ASSERT_GT(box.getArea(), 0);
    EXPECT_EQ(box.LowerRightCorner.Y, kHeight);
    const u32 behind = pixel(withMessage, 700, kHeight - 3);
    EXPECT_NE(behind, 0x00FF00u);
    withMessage->drop();

    click(box.getCenter().X, box.getCenter().Y);
    EXPECT_EQ(panels->getMessages().size(), 0u);
    EXPECT_TRUE(clicks.empty());  // the click was the message's, not the panel's
    video::IImage* closed = frame();
    EXPECT_EQ(pixel(closed, 700, kHeight - 3), 0x00FF00u);
    closed->drop();

    // Not accepted while disabled.
    panels->setAcceptMessagesEnabled(false);
    panels->setMessage(&owner, L"ignored", PanelManager::NORMAL, -1);
    EXPECT_EQ(panels->getMessages().size(), 0u);
}

TEST_F(PanelManagerRender, MenuHidesThePanelsAndRunsTheChosenEntry) {
    load(kTwoPages);
    Menu* menu = panels->getMenu();
    ASSERT_NE(menu, nullptr);
    bool exitChosen = false;
    menu->addEntry(L"Exit", [&] { exitChosen = true; });
    menu->open();
    video::IImage* open = frame();
    const PanelArea area = panels->getPanelArea();
    EXPECT_NE(pixel(open, 100, area.top + area.height / 8), 0xFF0000u);  // panels hidden
    open->drop();
    click(100, area.top + area.height / 20);
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(exitChosen);  // the first grid button sits there
    EXPECT_FALSE(menu->isOpen());
}

}  // namespace
