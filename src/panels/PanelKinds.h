#pragma once

#include "panels/instruments/InstrumentPanel.h"

// Registers every panel kind in its persisted order: the position in the
// list is the "FactoryIndex" of the configuration's panel sections.
void registerPanelKinds(PanelManager& panels, const InstrumentContext& context);
