#pragma once
// Every sample type, for code that handles all of them.
#include "sensors/Engine_Data.h"
#include "sensors/GPS_Data.h"
#include "sensors/ISensorData.h"
#include "sensors/InstrumentSensorData.h"
#include "sensors/MotionSensorData.h"
#include "sensors/PacketSensorData.h"
#include "sensors/Raw_Data.h"
#include "sensors/ScalarSensorData.h"
#include "sensors/Traffic_Data.h"
