#include "sensors/gdl90/GDL90Parser.h"

#include "sensors/gdl90/GDL90Frame.h"
#include "sensors/gdl90/GDL90Messages.h"

#include <iostream>
#include <string>

namespace {
// Opening flag, message ID and FCS: anything shorter cannot be a message.
const int MIN_COLLECTED = 4;
}  // namespace

GDL90Parser::GDL90Parser() : buffer(new unsigned char[BUFFER_SIZE]) {}

void GDL90Parser::reset() {
    collected = 0;
    escape = false;
}

void GDL90Parser::onOverflow() {
    std::cerr << "GDL90 buffer overflow detected\n";
    reset();
}

bool GDL90Parser::onFlag() {
    if (collected < MIN_COLLECTED) {
        // Too short to be a frame: most often the second of the two flags
        // between back-to-back frames, so it opens the next one.
        collected = 1;
        return false;
    }
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
    return ::createParsedMessage(buffer.get(), frameLength);
}
