// Streams no device would send, checked with the properties the fuzz target
// checks for every accepted frame (valid FCS, decodes, re-frames the same).
#include "GDL90TestSupport.h"

#include "fuzz/GDL90FuzzChecks.h"
#include "sensors/gdl90/GDL90Encoder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int acceptedFrames(const Bytes& stream) {
    GDL90Parser parser;
    int accepted = 0;
    for (unsigned char b : stream) accepted += parser.parse(b);
    return accepted;
}

TEST(GDL90Robustness, RandomBytesAreRejected) {
    std::mt19937 random(1234);
    Bytes stream(3 * 1000 * 1000);
    // Flags and escapes often enough to open and close many candidate frames.
    for (unsigned char& b : stream) {
        const unsigned r = random();
        b = (r % 16 == 0) ? 0x7E : (r % 16 == 1) ? 0x7D : static_cast<unsigned char>(r >> 8);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(gdl90fuzz::checkStream(stream.data(), stream.size()), "");
    // A random 16-bit FCS matches about once in 65536 candidates; there are
    // some 180000 candidates here, so a handful pass, but no more.
    EXPECT_LT(acceptedFrames(stream), 40);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Bad Checksum received"), std::string::npos);
}

TEST(GDL90Robustness, TruncatedAndOverlongFramesOfEveryTypeDecodeSafely) {
    // Valid FCS on every cut so that the decoders see the short messages.
    const Bytes prefixes[] = {{0}, {20}, {10}, {11}, {204}, {76, 'E', 1, 1}, {76, 'E', 2, 0}, {76, 'E', 7},
                              {7}, {101, 0}, {101, 1}, {61}, {65}, {66}, {62}, {63}, {83}, {71}, {72}};
    std::mt19937 random(99);
    Bytes stream;
    for (const Bytes& prefix : prefixes) {
        for (size_t length = 1; length < 600; length += (length < 100 ? 1 : 37)) {
            Bytes m(length);
            for (unsigned char& b : m) b = static_cast<unsigned char>(random());
            for (size_t i = 0; i < prefix.size() && i < length; ++i) m[i] = prefix[i];
            appendGDL90Frame(m.data(), m.size(), stream);
        }
    }
    EXPECT_EQ(gdl90fuzz::checkStream(stream.data(), stream.size()), "");
    EXPECT_EQ(acceptedFrames(stream), int(std::size(prefixes)) * (99 + 14));
}

}  // namespace
