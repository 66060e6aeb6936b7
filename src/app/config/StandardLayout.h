#pragma once

class IniFile;

// Adds the standard panel layout to a configuration: the sections P0 ...
// P310, landscape and portrait side by side, and PanelCount.
void addStandardPanelLayout(IniFile& ini);
