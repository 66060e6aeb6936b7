#pragma once
#include "sensors/gdl90/GDL90Frame.h"
#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <memory>
#include <vector>

using Bytes = std::vector<unsigned char>;

// The traffic report example (Table 12) of the public GDL90 interface document.
const Bytes ICD_TRAFFIC = {0x14, 0x00, 0xAB, 0x45, 0x49, 0x1F, 0xEF, 0x15, 0xA8, 0x89, 0x78, 0x0F, 0x09, 0xA9,
                           0x07, 0xB0, 0x01, 0x20, 0x01, 0x4E, 0x38, 0x32, 0x35, 0x56, 0x20, 0x20, 0x20, 0x00};

// Feeds a byte stream through one parser and decodes every accepted frame.
inline std::vector<std::unique_ptr<IGDL90Message>> parseAll(const Bytes& stream) {
    GDL90Parser parser;
    std::vector<std::unique_ptr<IGDL90Message>> messages;
    for (unsigned char b : stream)
        if (parser.parse(b)) messages.push_back(parser.createParsedMessage());
    return messages;
}

// Frames the message and decodes it. Unless exactly one frame of type T came
// out, the test fails here and gets an empty T to carry on with.
template <typename T>
std::unique_ptr<T> decodeAs(const Bytes& message) {
    auto messages = parseAll(makeGDL90Frame(message));
    T* typed = messages.size() == 1 ? dynamic_cast<T*>(messages[0].get()) : nullptr;
    if (!typed) {
        ADD_FAILURE() << "the message did not decode as one of the expected type";
        return std::make_unique<T>();
    }
    messages[0].release();
    return std::unique_ptr<T>(typed);
}

// Every decoded field as "name=value", numbers to four decimals, "-" when invalid.
inline std::string fieldsOf(const IGDL90Message& message) {
    GDL90FieldList list;
    message.describe(list);
    std::string out;
    for (const GDL90Field& f : list.fields()) {
        char number[32];
        std::snprintf(number, sizeof number, "%.4f", f.number);
        out += (out.empty() ? "" : " ") + f.name + "=" +
               (!f.valid                           ? std::string("-")
                : f.kind == GDL90Field::NUMBER ? std::string(number)
                : f.kind == GDL90Field::TEXT   ? f.text
                                                   : std::to_string(f.integer));
    }
    return out;
}

inline void appendBe16(Bytes& m, unsigned v) {
    m.push_back((v >> 8) & 0xFF);
    m.push_back(v & 0xFF);
}

// A Talos message: id, validity, the device's little-endian time stamp, then
// float channels, padded with zeros to the message's length.
inline Bytes talosMessage(unsigned char id, unsigned char validity, uint32_t timeStamp,
                          const std::vector<float>& channels, size_t length) {
    Bytes m = {id, validity};
    for (int shift = 0; shift < 32; shift += 8) m.push_back(static_cast<unsigned char>(timeStamp >> shift));
    for (float f : channels) {
        unsigned char raw[4];
        std::memcpy(raw, &f, 4);  // little-endian, as the devices send it
        m.insert(m.end(), raw, raw + 4);
    }
    m.resize(length, 0);
    return m;
}
