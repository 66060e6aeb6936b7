#include "sdr/ADSBSensorKinds.h"

#include "sdr/NetworkADSBSensor.h"
#include "sdr/RTLSDRSensor.h"

ADSBSensorKinds createADSBSensorKinds(SensorManager* manager) {
    return {new NetworkADSBSensorFactory(manager), new RTLSDRSensorFactory(manager)};
}
