// The record codec's own rules: layout of each kind of field, bounds checks,
// the sticky failure and the count check.
#include "base/RecordCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

struct Position { double longitude, latitude; };

enum class Colour : uint16_t { RED = 0x0102 };

struct Sample {
    bool flag = true;
    Colour colour = Colour::RED;
    int16_t numbers[2] = {-2, 3};
    std::string text = "AB";
    std::vector<std::pair<uint8_t, uint8_t>> pairs = {{1, 2}};
    Position position{1.0, 2.0};
    double feet = -7.9;
    std::string name = "XYZ";

    template <class Visitor>
    void fields(Visitor& v) {
        v(flag, colour, numbers, text, pairs, record::latLong(position), record::as<int32_t>(feet),
          record::fixedText<4>(name));
    }
};

std::string bytes(const std::string& hexText) {
    std::string out;
    for (size_t i = 0; i + 1 < hexText.size(); i += 2) out += char(std::stoi(hexText.substr(i, 2), nullptr, 16));
    return out;
}

TEST(RecordCodec, EveryKindOfFieldHasItsLayoutAndReadsBack) {
    std::string record = bytes("01" "0201" "feff0300" "02000000" "4142" "01000000" "0102" "0000000000000040"
                               "000000000000f03f" "f9ffffff" "58595a00");
    Sample sample;
    EXPECT_EQ(recordBytes(sample), record);
    EXPECT_EQ(recordLength(sample), record.size());
    std::ostringstream stream;
    writeRecord(stream, sample);
    EXPECT_EQ(stream.str(), record);
    record[0] = 0x7f;  // any byte but 0 is true
    Sample copy;
    copy.flag = false, copy.colour = Colour(0), copy.text.clear(), copy.pairs.clear(), copy.name = "Q";
    ASSERT_TRUE(readRecord(record.data(), record.size(), copy));
    sample.feet = -7.0;  // whole feet
    EXPECT_EQ(recordText(copy), recordText(sample));
}

TEST(RecordCodec, AReadPastTheEndLeavesTheTargetAndFailsEveryLaterRead) {
    const uint8_t data[5] = {1, 2, 3, 4, 5};
    uint32_t word = 7;
    uint16_t half = 7;
    RecordReader reader(data, 3);
    reader(word);
    EXPECT_FALSE(reader.ok());
    EXPECT_EQ(word, 7u);
    reader(half);  // sticky: two bytes would be there
    EXPECT_EQ(half, 7u);
    EXPECT_EQ(reader.consumed(), 0u);
}

TEST(RecordCodec, EveryTruncationOfARecordFails) {
    const std::string record = recordBytes(Sample());
    for (size_t length = 0; length < record.size(); ++length) {
        std::vector<char> prefix(record.begin(), record.begin() + length);
        Sample sample;
        EXPECT_FALSE(readRecord(prefix.data(), prefix.size(), sample)) << length;
    }
}

TEST(RecordCodec, ACountThatCannotFitEmptiesTheListWithoutAllocating) {
    std::vector<uint32_t> list = {9, 9};
    const std::string huge = bytes("ffffff7f" "01000000");
    EXPECT_FALSE(readRecord(huge.data(), huge.size(), list));
    EXPECT_TRUE(list.empty());
    std::vector<std::string> texts;  // two empty strings take 8 bytes
    const std::string fits = bytes("02000000" "00000000" "00000000");
    EXPECT_FALSE(readRecord(fits.data(), fits.size() - 1, texts));
    EXPECT_TRUE(readRecord(fits.data(), fits.size(), texts));
    EXPECT_EQ(texts.size(), 2u);
}

TEST(RecordCodec, SizedRecordsSkipTheirRestAndFailWhenTooShort) {
    const std::string longer = bytes("06000000" "0100" "ffffffff" "02");
    uint16_t nested = 0;
    uint8_t next = 0;
    ASSERT_TRUE(readRecord(longer.data(), longer.size(), record::sized<uint32_t>(nested), next));
    EXPECT_EQ(recordText(nested, next), recordText(uint16_t(1), uint8_t(2)));
    EXPECT_FALSE(readRecord(bytes("01000000" "01").data(), 5, record::sized<uint32_t>(nested)));
}

TEST(RecordCodec, FloatingValuesNarrowedToIntegersAreClamped) {
    for (double feet : {1e12, -1e12, std::nan("")}) {
        const int32_t wire = feet > 0 ? INT32_MAX : feet < 0 ? INT32_MIN : 0;
        EXPECT_EQ(recordBytes(record::as<int32_t>(feet)), recordBytes(wire)) << feet;
    }
}

}  // namespace
