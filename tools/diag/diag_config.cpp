// cirrona-diag standard-config: the configuration a new installation starts
// with, optionally with one of the start-up chooser's sensor presets applied.
// A pilot can start over from it, and the demo writes its home with it.
#include <cstdio>
#include <iostream>

#include "DiagCommand.h"
#include "app/config/StandardConfig.h"
#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "base/Version.h"
#include "sensors/IConfigOverride.h"
#include "sensors/SensorKinds.h"
#include "sensors/SensorManager.h"

namespace {

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "standard-config";
    command.usage = "[--preset NAME]";
    command.summary =
        "prints the data/config.ini of a new installation; with --preset, the start-up chooser's sensor preset "
        "NAME (e.g. \"Generic GDL90 Device\") applied to it";
    return command;
}

// The preset named, or null after listing the names there are.
IConfigOverride* findPreset(const SensorManager& manager, const std::string& name) {
    for (const ConfigOverrideSection& section : manager.getSensorConfigOverrideSections())
        for (IConfigOverride* preset : section.overrides)
            if (convertWStringToUtf8String(preset->getName()) == name) return preset;
    std::cerr << "cirrona-diag standard-config: no sensor preset \"" << name << "\"; the presets are:\n";
    for (const ConfigOverrideSection& section : manager.getSensorConfigOverrideSections())
        for (IConfigOverride* preset : section.overrides)
            std::cerr << "  " << convertWStringToUtf8String(preset->getName()) << "\n";
    return nullptr;
}

int runStandardConfig(const DiagCommand& self, const std::vector<std::string>& args) {
    std::string presetName;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--preset" && i + 1 < args.size() && presetName.empty())
            presetName = args[++i];
        else
            return diagUsageError(self, "unexpected argument \"" + args[i] + "\"");
    }
    IniFile config;
    config.setFromString(getStandardConfigText());
    config.set("", "major", std::to_string(kCirronaVersionMajor));
    config.set("", "minor", std::to_string(kCirronaVersionMinor));
    if (!presetName.empty()) {
        SensorManager manager;
        registerSensorKinds(manager);
        IConfigOverride* preset = findPreset(manager, presetName);
        if (!preset) return 1;
        if (!preset->OnConfigChosen(&config)) {
            std::cerr << "cirrona-diag standard-config: the preset \"" << presetName << "\" could not be applied\n";
            return 1;
        }
    }
    std::fputs(config.toString().c_str(), stdout);
    return 0;
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) { return runStandardConfig(makeCommand(), args); };
    return command;
}());

}  // namespace
