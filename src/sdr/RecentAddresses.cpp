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

bool RecentAddresses::vouchFor(const ModesMessage& mm, double now) {
    if (mm.addressFromParity || mm.correctedBits > 0) return seen(mm.address, now);
    if (mm.df == 11 || mm.df == 17) add(mm.address, now);
    return true;
}
