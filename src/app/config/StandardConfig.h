#pragma once
#include <string>

// The built-in standard configuration (the content of data/config.ini on a
// new installation or after an update from an older version), in the INI
// text form: global settings in the unnamed section, then the panel layout.
const std::string& getStandardConfigText();

// Parses the standard configuration, sets major and minor in the unnamed
// section to the given version and saves it as <appHome>data/config.ini,
// replacing the file. appHome ends in "/". Returns false if it cannot be
// saved.
bool writeStandardConfigFile(const std::string& appHome, unsigned major, unsigned minor);

// The same with the program's own version.
bool writeStandardConfigFile(const std::string& appHome);
