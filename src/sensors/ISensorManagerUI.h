#pragma once
#include <string>
#include <vector>

class IConfigOverride;
class IniFile;
struct ConfigOverrideSection;

// What the sensor side needs from the screen: the pilot's message line, the
// notification that the set of sensors changed, the start-up progress and
// the few questions presets ask. The panel manager and the GUI implement it;
// without one (tests, tools) messages go nowhere and questions are declined.
class ISensorManagerUI {
public:
    // Colours of the message line.
    enum Colour { NORMAL = 0, NOTICE = 1, WARNING = 2 };

    virtual ~ISensorManagerUI() = default;
    // Stores or replaces the message of `owner`; durationMs < 0 keeps it
    // until replaced or removed.
    virtual void setMessage(const void* owner, const std::wstring& text, int colour, int durationMs) = 0;
    virtual void removeMessage(const void* owner) = 0;
    virtual void OnSensorChanged() {}
    // Lets the start-up progress display refresh once.
    virtual void OnLoadProgress() {}
    // Asks the user to pick one of the choices: the index, or -1 when the
    // question cannot be asked.
    virtual int askUserChoice(const std::wstring& /*question*/, const std::vector<std::wstring>& /*choices*/) {
        return -1;
    }
    // The preset chooser: the preset picked, or null to keep the last settings.
    virtual IConfigOverride* chooseSensorConfigOverride(const std::vector<ConfigOverrideSection>& /*sections*/) {
        return nullptr;
    }
    // Opens the generic settings editor for a section described by a
    // settings descriptor; false when no editor is available.
    virtual bool editSettings(const std::string& /*descriptor*/, IniFile* /*ini*/, const std::string& /*section*/) {
        return false;
    }
};
