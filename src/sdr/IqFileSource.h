#pragma once
#include <cstdio>
#include <deque>
#include <string>

#include "sdr/IRawADSBSource.h"
#include "sdr/SampleBlocks.h"

// Frames demodulated from a recording of unsigned 8-bit I/Q pairs at 2 MS/s
// (what rtl_sdr writes), one receive block at a time. Frame times are sample
// times from the start of the file.
class IqFileSource : public IRawADSBSource {
public:
    explicit IqFileSource(const std::string& path);
    ~IqFileSource() override;
    IqFileSource(const IqFileSource&) = delete;
    IqFileSource& operator=(const IqFileSource&) = delete;

    bool opened() const { return file != nullptr; }
    bool nextFrame(RawModeSFrame& frame) override;
    bool alive() const override { return file != nullptr && !(ended && pending.empty()); }

    const ModeSDemodulator::Stats& stats() { return blocks.demodulator().stats(); }
    double secondsRead() const { return blocks.secondsReceived(); }

private:
    void readBlock();

    std::FILE* file = nullptr;
    RecentAddresses recent;
    SampleBlocks blocks{recent};
    std::deque<RawModeSFrame> pending;
    bool ended = false;
};
