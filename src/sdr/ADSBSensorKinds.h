#pragma once
#include "sensors/SensorKinds.h"

// The factories of the ADS-B receiver kinds, for registerSensorKinds.
ADSBSensorKinds createADSBSensorKinds(SensorManager* manager);
