#include "sdr/RecentAddresses.h"

unsigned RecentAddresses::slotOf(uint32_t a) {
    uint32_t x = ((a >> 16) ^ a) * 73244475u;
    x = ((x >> 16) ^ x) * 73244475u;
    return (x ^ (x >> 16)) & 1023u;
}

void RecentAddresses::add(uint32_t address, double now) { slots[slotOf(address)] = {address, now}; }

bool RecentAddresses::seen(uint32_t address, double now) const {
    const Slot& slot = slots[slotOf(address)];
    return slot.address == address && now - slot.time <= kMaxAgeSeconds;
}
