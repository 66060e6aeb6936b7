#include "sensors/GDL90Parser.h"

#include "sensors/GDL90Frame.h"
#include "sensors/GDL90Messages.h"

#include <iostream>
#include <string>

namespace {
const unsigned char FLAG_BYTE = 0x7E;
const unsigned char ESCAPE_BYTE = 0x7D;
// Opening flag, message ID and FCS: anything shorter cannot be a message.
const int MIN_COLLECTED = 4;
}  // namespace

GDL90Parser::GDL90Parser() : buffer(BUFFER_SIZE) {}

void GDL90Parser::reset() {
    collected = 0;
    escape = false;
}

bool GDL90Parser::parse(unsigned char byte) {
    if (collected == 0) {
        if (byte == FLAG_BYTE) {
            buffer[0] = byte;
            collected = 1;
            escape = false;
        }
        return false;
    }
    if (escape) {
        escape = false;
        buffer[collected++] = byte ^ 0x20;
    } else if (byte == ESCAPE_BYTE) {
        escape = true;
        return false;
    } else if (byte == FLAG_BYTE) {
        if (collected < MIN_COLLECTED) {
            // Too short to be a frame: most often the second of the two flags
            // between back-to-back frames, so it opens the next one.
            collected = 1;
            return false;
        }
        return closeFrame();
    } else {
        buffer[collected++] = byte;
    }
    if (collected >= BUFFER_SIZE) {
        std::cerr << "GDL90 buffer overflow detected\n";
        reset();
    }
    return false;
}

bool GDL90Parser::closeFrame() {
    buffer[collected++] = FLAG_BYTE;
    frameLength = collected;
    collected = 0;
    const unsigned char* fcsBytes = &buffer[frameLength - 3];
    const unsigned received = fcsBytes[0] | (fcsBytes[1] << 8);
    if (received == 0) return true;
    const unsigned computed = gdl90Crc(&buffer[1], frameLength - 4);
    if (computed != received) {
        // One write per line: noisy links produce many of these.
        std::cerr << ("Bad Checksum received: " + std::to_string(received) + " calculated: " +
                      std::to_string(computed) + "\n");
        return false;
    }
    return true;
}

std::unique_ptr<IGDL90Message> GDL90Parser::createParsedMessage() const {
    return ::createParsedMessage(buffer.data(), frameLength);
}
