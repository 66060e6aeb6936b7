#pragma once
#include <irrlicht.h>

#include <string>

class IniFile;
class IPanel;

// One panel kind. Its position in the panel manager's list is the
// "FactoryIndex" stored in the configuration, so kinds are only ever added
// at the end.
class IPanelFactory {
public:
    virtual ~IPanelFactory() = default;
    // Reads the kind's own keys of a panel section for the next Create().
    virtual void loadSetupFromIni(IniFile* ini, std::string section) = 0;
    // Writes the kind's keys of a new panel.
    virtual void setup(IniFile* ini, std::string section) = 0;
    virtual IPanel* Create() = 0;
    // The name written as "FactoryName".
    virtual std::string getName() = 0;
    virtual void renderPreview(irr::core::rect<int> area) = 0;
    virtual void renderPreview(irr::core::rect<int> area, IPanel* panel) = 0;
};
