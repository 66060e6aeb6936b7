#pragma once
#include <array>
#include <cstdint>

#include "sdr/ModeSMessage.h"

// Addresses heard in CRC-clean DF 11/17 messages, with when. Surveillance
// replies carry their address only inside the parity, so any bit error turns
// into a plausible-looking new address; such a reply is believed only when
// its address was heard cleanly within the last minute. A direct-mapped table
// of 1024 slots: a collision merely forgets the older address.
class RecentAddresses {
public:
    static constexpr double kMaxAgeSeconds = 60.0;

    void add(uint32_t address, double now);
    bool seen(uint32_t address, double now) const;

    // Whether a message that passed its CRC is to be believed: clean DF 11/17
    // always (and their address is recorded), surveillance replies and
    // repaired messages only from an address heard recently. A repair is a
    // guess that noise can also satisfy; for an aircraft we already know it
    // is a good guess, for a new one it is how ghosts appear.
    bool vouchFor(const ModesMessage& mm, double now);

private:
    struct Slot {
        uint32_t address = 0;
        double time = -1e9;
    };
    static unsigned slotOf(uint32_t address);
    std::array<Slot, 1024> slots{};
};
