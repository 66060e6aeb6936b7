#include "sensors/recording/ForwardingRecord.h"

#include <cstring>

#include "base/RecordCodec.h"

namespace forwarding {

namespace {
const char kMagic[4] = {'S', 'D', 'a', 't'};
}

uint8_t checksum(const char* record, size_t length) {
    unsigned sum = 0;
    for (size_t i = 0; i < length; ++i)
        if (i != kChecksumOffset) sum += static_cast<unsigned char>(record[i]);
    return uint8_t(sum);
}

void appendRecord(std::string& out, uint32_t type, uint8_t warning, uint8_t sequence, const void* payload,
                  uint32_t length) {
    const size_t start = out.size();
    out.append(kMagic, 4);
    out += recordBytes(type, length, uint8_t(0), warning, sequence);
    out.append(static_cast<const char*>(payload), length);
    out[start + kChecksumOffset] = char(checksum(out.data() + start, out.size() - start));
}

int splitDatagram(const char* data, size_t size, const std::function<void(const Record&)>& onRecord) {
    int count = 0;
    size_t at = 0;
    while (size - at >= kHeaderSize && std::memcmp(data + at, kMagic, 4) == 0) {
        Record r;
        uint8_t sum = 0;
        RecordReader(data + at + 4, kHeaderSize - 4)(r.type, r.length, sum, r.warning, r.sequence);
        if (r.length > size - at - kHeaderSize) break;
        r.payload = data + at + kHeaderSize;
        r.checksumOk = checksum(data + at, kHeaderSize + r.length) == sum;
        onRecord(r);
        ++count;
        at += kHeaderSize + r.length;
    }
    return count;
}

bool isSequenceInOrder(uint8_t last, uint8_t next) {
    if (int(next) >= int(last) - 2) return true;
    // Wrapped past 255: the forward distance is small.
    return uint8_t(next - last) < 11;
}

}  // namespace forwarding
