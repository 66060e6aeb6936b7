#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BeastStream.h"
#include "sdr/FrameSources.h"
#include "support/RunTool.h"
#include "support/TempDir.h"

namespace {
const std::vector<uint8_t> kLong = {0x8D, 0x48, 0x40, 0xD6, 0x20, 0x2C, 0xC3, 0x71, 0xC3, 0x2C, 0xE0, 0x57, 0x60, 0x98};
// A short frame whose bytes include the escape value, so it must be doubled.
const std::vector<uint8_t> kShort = {0x5D, 0x1A, 0x3C, 0x65, 0x86, 0x1A, 0x01};

std::vector<RawModeSFrame> drain(IFrameParser& parser) {
    std::vector<RawModeSFrame> frames;
    RawModeSFrame f;
    while (parser.next(f)) frames.push_back(f);
    return frames;
}

bool same(const RawModeSFrame& f, const std::vector<uint8_t>& bytes) {
    return f.length == int(bytes.size()) && std::equal(bytes.begin(), bytes.end(), f.bytes);
}
}  // namespace

TEST(FrameParsers, AvrLinesInAnyPiecesAndJunkBetween) {
    const std::string text =
        "*8D4840D6202CC371C32CE0576098;\r\n"
        "garbage line\n"
        "*8D4840D6202CC371;\n"              // neither 7 nor 14 bytes
        "*8D4840D6202CC371C32CE05760ZZ;\n"  // not hex
        "@000000B71B005D1A3C65861A01;\n"    // 12 MHz time stamp: 1.0 s
        "*5d1a3c65861a01;";                 // last line without its end
    AvrParser parser;
    for (char c : text) parser.feed(&c, 1);
    parser.feed("\n", 1);
    const auto frames = drain(parser);
    ASSERT_EQ(3u, frames.size());
    EXPECT_TRUE(same(frames[0], kLong));
    EXPECT_TRUE(same(frames[1], kShort));
    EXPECT_DOUBLE_EQ(1.0, frames[1].time);
    EXPECT_TRUE(same(frames[2], kShort));
}

TEST(FrameParsers, BeastEscapesModeAcAndCutFrames) {
    std::string stream = "\x01\x02junk";
    stream += beast('3', 12000000, kLong);
    stream += beast('1', 5, {0x12, 0x34});         // Mode A/C: no address, skipped
    stream += beast('2', 0x1A1A, kShort);          // escapes in stamp and frame
    stream += beast('3', 7, kLong).substr(0, 12);  // cut off by the next frame
    stream += beast('2', 9, kShort);
    BeastParser parser;
    for (char c : stream) parser.feed(&c, 1);
    const auto frames = drain(parser);
    ASSERT_EQ(3u, frames.size());
    EXPECT_TRUE(same(frames[0], kLong));
    EXPECT_DOUBLE_EQ(1.0, frames[0].time);
    EXPECT_TRUE(same(frames[1], kShort));
    EXPECT_DOUBLE_EQ(0x1A1A / 12e6, frames[1].time);
    EXPECT_TRUE(same(frames[2], kShort));
}

TEST(FrameSources, DiagDecodesAnAvrFile) {
    TempDir dir;
    {
        std::FILE* f = std::fopen((dir / "frames.avr").c_str(), "w");
        ASSERT_NE(nullptr, f);
        std::fputs("*8D4840D6202CC371C32CE0576098;\n*8D40621D58C382D690C8AC2863A7;\n", f);
        std::fputs("*8D485020994409940838175B284F;\n", f);
        std::fclose(f);
    }
    const ToolRun run = runTool(builtTool("cirrona-diag"), {"adsb", "--avr", dir / "frames.avr"});
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos, run.out.find("\"icao\":\"4840D6\",\"df\":17,\"callsign\":\"KLM1023\"}"));
    EXPECT_NE(std::string::npos, run.out.find("\"alt\":38000}"));
    EXPECT_NE(std::string::npos, run.out.find("\"gs\":159.2,\"track\":182.9,\"vr\":-832}"));
    EXPECT_NE(std::string::npos, run.err.find("messages 3, repaired 0"));
    EXPECT_NE(std::string::npos, run.err.find("aircraft 3"));
    EXPECT_EQ(2, runTool(builtTool("cirrona-diag"), {"adsb", "--avr"}).status);
}
