#include "GDL90TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The message example of the public GDL90 interface document.
const Bytes ICD_HEARTBEAT_FRAME = {0x7E, 0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02, 0xB3, 0x8B, 0x7E};
const Bytes ICD_HEARTBEAT_MESSAGE = {0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02};

int acceptedFrames(GDL90Parser& parser, const Bytes& stream) {
    int accepted = 0;
    for (unsigned char b : stream) accepted += parser.parse(b);
    return accepted;
}

TEST(GDL90Framing, CrcAndFrameMatchTheInterfaceDocumentExample) {
    EXPECT_EQ(gdl90Crc(ICD_HEARTBEAT_MESSAGE.data(), ICD_HEARTBEAT_MESSAGE.size()), 0x8BB3);
    EXPECT_EQ(makeGDL90Frame(ICD_HEARTBEAT_MESSAGE), ICD_HEARTBEAT_FRAME);
    GDL90Parser parser;
    ASSERT_EQ(acceptedFrames(parser, ICD_HEARTBEAT_FRAME), 1);
    ASSERT_EQ(parser.getFrameLength(), 11);
    EXPECT_EQ(Bytes(parser.getFrame(), parser.getFrame() + 11), ICD_HEARTBEAT_FRAME);
    Bytes bad = ICD_HEARTBEAT_FRAME;
    bad[8] = 0xB4;  // FCS 0x8BB4: dropped
    testing::internal::CaptureStderr();
    EXPECT_TRUE(parseAll(bad).empty());
    testing::internal::GetCapturedStderr();
}

TEST(GDL90Framing, EncoderEscapesFlagAndEscapeBytesOfThePayload) {
    const Bytes message = {0x02, 0x7E, 0x03, 0x7D};
    const Bytes frame = makeGDL90Frame(message);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 7), (Bytes{0x7E, 0x02, 0x7D, 0x5E, 0x03, 0x7D, 0x5D}));
    EXPECT_EQ(std::count(frame.begin(), frame.end(), 0x7E), 2) << "flags only at the two ends";
    GDL90Parser parser;
    ASSERT_EQ(acceptedFrames(parser, frame), 1);
    EXPECT_EQ(Bytes(parser.getFrame() + 1, parser.getFrame() + 5), message);
}

// Finds a 3-byte message whose FCS holds `byte` in its low or high half, so
// that the FCS itself has to be escaped on the wire.
Bytes messageWithFcsByte(unsigned char byte, bool lowHalf) {
    for (unsigned i = 0; i < 65536; ++i) {
        Bytes m = {0x42, static_cast<unsigned char>(i >> 8), static_cast<unsigned char>(i)};
        if (m[1] == 0x7E || m[1] == 0x7D || m[2] == 0x7E || m[2] == 0x7D) continue;
        const uint16_t crc = gdl90Crc(m.data(), m.size());
        if ((lowHalf ? (crc & 0xFF) : (crc >> 8)) == byte) return m;
    }
    return {};
}

TEST(GDL90Framing, FcsBytesThatCollideWithFlagOrEscapeAreStuffedAndRecovered) {
    for (unsigned char special : {0x7E, 0x7D})
        for (bool low : {true, false}) {
            const Bytes message = messageWithFcsByte(special, low);
            const Bytes frame = makeGDL90Frame(message);
            EXPECT_EQ(frame.size(), 3u + 2 + 2 + 1) << int(special) << low;  // one stuffed byte
            GDL90Parser parser;
            EXPECT_EQ(acceptedFrames(parser, frame), 1);
            EXPECT_EQ(parser.getFrameLength(), 3 + 4);
        }
}

Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(GDL90Framing, StrayFlagsShortFramesAndGarbageAroundFrames) {
    const Bytes& hb = ICD_HEARTBEAT_FRAME;
    const struct {
        const char* what;
        Bytes stream;
        size_t heartbeats;
    } cases[] = {
        {"FCS 0 is accepted without check", {0x7E, 0x00, 0x81, 0x41, 0xDB, 0xD0, 0x08, 0x02, 0x00, 0x00, 0x7E}, 1},
        {"two flags in a row: the frame starts at the second", joined({{0x7E}, hb}), 1},
        {"7E 01 02 7E: too short, the closing flag reopens", joined({{0x7E, 0x01, 0x02}, hb}), 1},
        {"bytes outside a frame, even an escape, are ignored", joined({{0x01, 0x02, 0x7D, 0x03}, hb, hb, hb}), 3},
    };
    for (const auto& c : cases) {
        auto messages = parseAll(c.stream);
        ASSERT_EQ(messages.size(), c.heartbeats) << c.what;
        for (const auto& m : messages) EXPECT_EQ(m->getType(), IGDL90Message::HEARTBEAT) << c.what;
    }
}

}  // namespace
