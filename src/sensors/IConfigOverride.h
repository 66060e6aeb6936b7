#pragma once
#include <string>

class IniFile;

// A configuration preset: one choice in the start-up chooser that rewrites
// the sensor configuration for a typical set-up.
class IConfigOverride {
public:
    virtual std::wstring getName() = 0;
    // Image file below media/.
    virtual std::string getIcon() = 0;
    virtual std::string getWebsiteURL() = 0;
    virtual bool isApplicableWebsiteURL() = 0;
    virtual std::wstring getWebsiteButtonLabel() = 0;
    virtual std::wstring getDescription() = 0;
    // Rewrites the sensor configuration; false when the user cancelled or
    // the needed sensor kind is missing (the configuration is then unchanged).
    virtual bool OnConfigChosen(IniFile* ini) = 0;
    virtual ~IConfigOverride() = default;
};
