// cirrona-diag record-sizes: the byte-record length of every sample type.
#include <cstdio>
#include <memory>

#include "DiagCommand.h"
#include "sensors/SensorDataFactory.h"

namespace {

int runRecordSizes(const DiagCommand& self, const std::vector<std::string>& args) {
    if (!args.empty()) return diagUsageError(self, "takes no arguments");
    for (int t = 0; t < ISensorData::TYPE_COUNT; ++t) {
        const auto type = ISensorData::Type(t);
        std::unique_ptr<ISensorDataFactory> factory(createStandardSensorDataFactory(type));
        std::unique_ptr<ISensorData> sample(factory->Create());
        int size = 0;
        sample->serialize(&size);
        // Traffic, uplink, raw and wide-band records grow with their content;
        // their length here is that of an empty sample.
        const bool variable = type == ISensorData::RAW || type == ISensorData::TRAFFIC ||
                              type == ISensorData::UAT_UPLINK || type == ISensorData::WIDEBAND_DATA;
        std::printf("%d\t%s\t%d%s\n", t, factory->getName().c_str(), size, variable ? "\tvariable" : "");
    }
    return 0;
}

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "record-sizes";
    command.usage = "";
    command.summary = "prints each sensor sample type's number, name and record length in bytes";
    return command;
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) { return runRecordSizes(makeCommand(), args); };
    return command;
}());

}  // namespace
