#pragma once
#include <cstdint>

// The Mode S parity: a CRC-24 (generator 0x1FFF409) over every bit but the
// last 24, which carry the parity itself. DF 11/17/18 send it plainly, so a
// clean message has a zero syndrome; the surveillance replies XOR it with the
// transponder's address, so there the syndrome *is* the address.
//
// The code is linear: the syndrome of a message with a flipped bit is the
// clean syndrome XOR the syndrome of that bit alone. Repair therefore looks
// the syndrome up in a table of single- and double-bit error syndromes.

constexpr int kLongMessageBits = 112;
constexpr int kShortMessageBits = 56;

// CRC of the first bits - 24 bits of message.
uint32_t modesChecksum(const uint8_t* message, int bits);
// The checksum XOR the transmitted parity: 0 for a clean DF 11/17 message.
uint32_t modesSyndrome(const uint8_t* message, int bits);

// Flip one bit (never one of the five format bits) so that the syndrome
// becomes zero; returns the bit index (0 = first bit sent) or -1.
int fixSingleBitErrors(uint8_t* message, int bits);
// The same with two bits; returns true when repaired.
bool fixTwoBitsErrors(uint8_t* message, int bits);
