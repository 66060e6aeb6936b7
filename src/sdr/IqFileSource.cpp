#include "sdr/IqFileSource.h"

#include <cstring>
#include <vector>

IqFileSource::IqFileSource(const std::string& path) : file(std::fopen(path.c_str(), "rb")) {}

IqFileSource::~IqFileSource() {
    if (file) std::fclose(file);
}

void IqFileSource::readBlock() {
    const auto queue = [this](const ModesMessage& mm, double time) {
        RawModeSFrame frame;
        frame.length = mm.bits / 8;
        std::memcpy(frame.bytes, mm.msg, size_t(frame.length));
        frame.time = time;
        pending.push_back(frame);
    };
    std::vector<uint8_t> block(SampleBlocks::kBlockBytes);
    const size_t n = std::fread(block.data(), 1, block.size(), file);
    if (n == 0) {
        ended = true;
        blocks.flush(queue);
        return;
    }
    blocks.process(block.data(), n, queue);
}

bool IqFileSource::nextFrame(RawModeSFrame& frame) {
    while (pending.empty() && file && !ended) readBlock();
    if (pending.empty()) return false;
    frame = pending.front();
    pending.pop_front();
    return true;
}
