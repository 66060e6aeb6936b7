#pragma once
#include <irrlicht.h>

#include <vector>

class Drawer2D;

// The trace a finger leaves while it swipes over the on-screen keyboard, so
// the pilot sees where the touch went in turbulence: a line of the given
// colour and width through the latest positions of the drag.
class WipeInput {
public:
    WipeInput(irr::video::SColor colour, irr::f32 width);

    void begin(const irr::core::vector2df& at);
    void extend(const irr::core::vector2df& at);  // ignored when no drag began
    void end();
    bool isActive() const { return active; }
    const std::vector<irr::core::vector2df>& getPoints() const { return points; }

    void render(Drawer2D& drawer) const;

private:
    irr::video::SColor colour;
    irr::f32 width;
    bool active = false;
    std::vector<irr::core::vector2df> points;
};
