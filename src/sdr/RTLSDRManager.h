#pragma once
#include <map>
#include <memory>
#include <vector>

#include "sdr/IReceiverTask.h"
#include "sdr/ISoftwareDefinedRadio.h"
#include "sensors/Traffic_Data.h"

// Owns the software-defined radios and the task each one runs. Every stick
// found starts as an ADS-B receiver on 1090 MHz; the sensor side reads the
// tasks' samples through getReceiverData.
class RTLSDRManager {
public:
    enum Capability { ADSB_1090 = 0 };

    // radio: the device layer (librtlsdr, or a stand-in); not owned.
    explicit RTLSDRManager(ISoftwareDefinedRadio* radio);
    ~RTLSDRManager();

    // Finds the devices and starts their tasks; false when there are none.
    bool init();
    // Once per frame from the main loop.
    void Update();

    int getRadioCount() const { return radioCount; }
    std::vector<int> getReceiverCapabilities(int index) const;
    // Switches a receiver to a capability; false for one it does not offer.
    bool setUsedReceiverCapability(int index, int capability, uint32_t frequency);
    int getUsedCapability(int index) const;
    uint32_t getUsedFrequency(int index) const;
    int getReceiverDataTypeCount(int index) const;
    // The receiver's own position, so single position frames decode at once.
    void setOwnPosition(double latitude, double longitude);
    ISensorData* getReceiverData(int index, int n);
    // Mode S messages all ADS-B receivers have accepted so far.
    uint64_t messageCount() const;

private:
    struct Receiver {
        int capability = -1;
        uint32_t frequency = 0;
        std::unique_ptr<IReceiverTask> task;
    };
    ISoftwareDefinedRadio* radio;
    int radioCount = 0;
    std::map<int, Receiver> receivers;
};
