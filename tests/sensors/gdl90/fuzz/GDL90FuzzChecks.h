#pragma once
// What must hold for any byte stream fed to the GDL90 parser and decoders;
// shared by the libFuzzer target and the unit test that replays the kept
// inputs. Returns an empty string, or a description of the broken rule.
#include "sensors/gdl90/GDL90Frame.h"
#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"

#include <cstddef>
#include <string>
#include <vector>

namespace gdl90fuzz {

inline std::string checkFrame(const GDL90Parser& parser) {
    const unsigned char* frame = parser.getFrame();
    const int n = parser.getFrameLength();
    if (n < 5 || n > GDL90Parser::BUFFER_SIZE) return "frame length out of range: " + std::to_string(n);
    if (frame[0] != 0x7E || frame[n - 1] != 0x7E) return "frame not enclosed in flags";
    const unsigned fcs = frame[n - 3] | (frame[n - 2] << 8);
    if (fcs != 0 && fcs != gdl90Crc(frame + 1, n - 4)) return "accepted a frame with a wrong FCS";

    std::unique_ptr<IGDL90Message> message = parser.createParsedMessage();
    if (!message) return "no message for an accepted frame";
    GDL90FieldList fields;
    message->describe(fields);

    // Framing the message again must give back a frame of the same type.
    std::vector<unsigned char> again;
    appendGDL90Frame(frame + 1, n - 4, again);
    GDL90Parser second;
    int accepted = 0;
    std::unique_ptr<IGDL90Message> reparsed;
    for (unsigned char b : again) {
        if (second.parse(b)) {
            ++accepted;
            reparsed = second.createParsedMessage();
        }
    }
    if (accepted != 1 || !reparsed) return "re-framed message was not accepted exactly once";
    if (reparsed->getType() != message->getType()) return "re-framed message decodes to another type";
    return "";
}

inline std::string checkStream(const unsigned char* data, size_t size) {
    GDL90Parser parser;
    for (size_t i = 0; i < size; ++i) {
        if (!parser.parse(data[i])) continue;
        const std::string problem = checkFrame(parser);
        if (!problem.empty()) return problem;
    }
    return "";
}

}  // namespace gdl90fuzz
