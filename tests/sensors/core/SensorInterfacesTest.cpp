#include <gtest/gtest.h>

#include "SensorTestSupport.h"

namespace {

class AutopilotSensor : public ASensorWithAutopilot {
public:
    std::string getName() override { return "autopilot"; }
    bool Update() override { return false; }
    uint32_t lastTimeUpdated(ISensorData::Type) override { return 0; }
    ISensorData* getData(ISensorData::Type) override { return nullptr; }
    bool isDataTypeSupported(ISensorData::Type) override { return false; }
    std::vector<ISensorData::Type> getSupportedDataTypes() override { return {}; }
    WarningLevel getWarning(ISensorData::Type) override { return WRONG; }
    std::vector<std::string> sent;
    bool linkUp = true;

protected:
    bool sendToAutopilot(const std::string& sentence) override {
        if (linkUp) sent.push_back(sentence);
        return linkUp;
    }
};

TEST(ASensorWithAutopilot, SendsTheRouteOrTheNoRouteSentence) {
    AutopilotSensor sensor;
    sensor.handleAutopilotPackages();
    EXPECT_TRUE(sensor.sent.empty());  // disabled by default
    sensor.setAutopilotEnabled(true);
    sensor.setAutopilotPeriodMs(0);
    sensor.linkUp = false;
    sensor.handleAutopilotPackages();
    sensor.linkUp = true;
    sensor.handleAutopilotPackages();  // a failed send is retried at once
    ASSERT_EQ(sensor.sent.size(), 1u);
    EXPECT_EQ(sensor.sent[0], std::string("$GPRMB,V,,,---,,,,,,,,,V*4b\r\n"));
    sensor.setRouteSentenceSource(
        [] { return std::string("$GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20"); });
    sensor.handleAutopilotPackages();
    ASSERT_EQ(sensor.sent.size(), 2u);
    EXPECT_EQ(sensor.sent[1].substr(0, 9), "$GPRMB,A,");
    sensor.setAutopilotPeriodMs(600000);
    sensor.handleAutopilotPackages();  // within the period: nothing
    EXPECT_EQ(sensor.sent.size(), 2u);
}

}  // namespace
