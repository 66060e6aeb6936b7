#pragma once
#include "sensors/GDL90Frame.h"
#include "sensors/GDL90Messages.h"
#include "sensors/GDL90Parser.h"

#include <cstring>
#include <memory>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Feeds a byte stream through one parser and decodes every accepted frame.
inline std::vector<std::unique_ptr<IGDL90Message>> parseAll(const Bytes& stream, GDL90Parser& parser) {
    std::vector<std::unique_ptr<IGDL90Message>> messages;
    for (unsigned char b : stream) {
        if (parser.parse(b)) messages.push_back(parser.createParsedMessage());
    }
    return messages;
}

inline std::vector<std::unique_ptr<IGDL90Message>> parseAll(const Bytes& stream) {
    GDL90Parser parser;
    return parseAll(stream, parser);
}

// Frames the message and decodes it; null unless exactly one frame came out.
template <typename T>
std::unique_ptr<T> decodeAs(const Bytes& message) {
    auto messages = parseAll(makeGDL90Frame(message));
    if (messages.size() != 1) return nullptr;
    T* typed = dynamic_cast<T*>(messages[0].get());
    if (!typed) return nullptr;
    messages[0].release();
    return std::unique_ptr<T>(typed);
}

inline void appendBe16(Bytes& m, unsigned v) {
    m.push_back((v >> 8) & 0xFF);
    m.push_back(v & 0xFF);
}

inline void appendLeFloat(Bytes& m, float f) {
    unsigned char raw[4];
    std::memcpy(raw, &f, 4);
    m.insert(m.end(), raw, raw + 4);
}
