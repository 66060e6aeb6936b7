#pragma once

namespace irr { class IrrlichtDevice; }
class Context;

// Runs frames until the window closes or something asks the program to end.
void runMainLoop(irr::IrrlichtDevice* device, Context& context);
