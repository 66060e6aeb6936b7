#pragma once
#include <functional>
#include <string>

#include "panels/instruments/InstrumentPanel.h"

// Registers every panel kind in its persisted order: the position in the
// list is the "FactoryIndex" of the configuration's panel sections.
// Kinds built by libraries above the panels (the map) come from
// `elsewhere`: it returns their factory by index and name, or null.
using PanelFactorySource = std::function<IPanelFactory*(int index, const std::string& name)>;
void registerPanelKinds(PanelManager& panels, const InstrumentContext& context,
                        const PanelFactorySource& elsewhere = {});
