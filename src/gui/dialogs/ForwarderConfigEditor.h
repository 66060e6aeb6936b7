#pragma once
#include <string>
#include <vector>

#include "base/IniFile.h"

class ISensorForwarderFactory;

// Edits the forwarders of a configuration held in memory: the sections
// F0 .. F<ForwarderCount - 1>, each naming its kind by ForwarderFactory (the
// index in the registration order) and holding that kind's settings.
// Engine-free; the forwarder set-up dialog shows it and saves the file.
class ForwarderConfigEditor {
public:
    ForwarderConfigEditor(IniFile& ini, const std::vector<ISensorForwarderFactory*>& factories);

    int getForwarderCount() const;
    // "F<index>", counted from 0.
    static std::string getSection(int index);
    // Null when the stored kind is not registered.
    ISensorForwarderFactory* getFactory(int index) const;
    // "1: Flight Recording (Circuits.dat)": counted from 1 for the pilot,
    // with the file of a recording.
    std::string describe(int index) const;

    // Appends an empty forwarder of the kind; its index, or -1 for an unknown kind.
    int addForwarder(int factoryIndex);
    // Later forwarders move up one index.
    void removeForwarder(int index);

private:
    IniFile& ini;
    const std::vector<ISensorForwarderFactory*>& factories;
};
