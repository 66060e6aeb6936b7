#pragma once
#include <string>

namespace irr { class IrrlichtDevice; }
class EventReceiver;
class Drawer2D;
class FlexibleFont;

// What every part of the program may ask of the application: the engine,
// input, drawing helpers, screen-dependent sizes and paths below the home.
class ICommonAppContext {
public:
    virtual ~ICommonAppContext() = default;
    virtual EventReceiver* getEventReceiver() = 0;
    virtual Drawer2D* getDrawer() = 0;
    virtual irr::IrrlichtDevice* getIrrlichtDevice() = 0;
    virtual FlexibleFont* getFlexibleFont() = 0;
    virtual int getRecommendedButtonWidth() = 0;
    virtual int getRecommendedButtonHeight() = 0;
    virtual std::string getPath(const std::string& relative) = 0;
    // Desktops have a physical keyboard; nothing to show or hide.
    virtual void setSoftInputVisibility(bool visible) = 0;
    virtual void gotoURL(const std::string& url) = 0;
};
