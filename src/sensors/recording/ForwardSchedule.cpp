#include "sensors/recording/ForwardSchedule.h"

#include "base/Time.h"

bool ForwardSchedule::isDue(const ISensor* sensor, uint32_t now) {
    if (paused) return false;
    auto it = lastForwarded.find(sensor);
    if (it != lastForwarded.end() && TimeDiff(now, it->second) <= uint32_t(period)) return false;
    lastForwarded[sensor] = now;
    return true;
}
