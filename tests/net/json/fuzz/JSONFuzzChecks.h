#pragma once
// The property the JSON fuzz target and the replay of its kept inputs check:
// whatever the reader accepts, written out and read again, reads to the
// same text.
#include <memory>
#include <string>

#include "net/json/JSONParser.h"
#include "net/json/JSONWriter.h"

namespace jsonfuzz {

// Feeds the bytes one at a time as a stream would, the next byte known.
inline JSONParser::Status feed(JSONParser& parser, const char* data, size_t size) {
    for (size_t i = 0; i < size && parser.getStatus() == JSONParser::NEED_MORE; ++i)
        parser.parse(data[i], i + 1 < size ? data[i + 1] : 0);
    return parser.getStatus();
}

inline std::string checkJSON(const unsigned char* data, size_t size) {
    JSONParser parser;
    if (feed(parser, reinterpret_cast<const char*>(data), size) != JSONParser::COMPLETE) return "";
    std::unique_ptr<IRPCValue> value(parser.stealResult());
    if (!value) return "complete without a value";
    const std::string text = convertRPCValueToJSONString(value.get());
    JSONParser again;
    if (feed(again, text.data(), text.size()) != JSONParser::COMPLETE) return "own output rejected: " + text;
    std::unique_ptr<IRPCValue> reread(again.stealResult());
    if (convertRPCValueToJSONString(reread.get()) != text) return "output changed on a second pass: " + text;
    return "";
}

}  // namespace jsonfuzz
