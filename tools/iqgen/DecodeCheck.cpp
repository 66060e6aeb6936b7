#include "iqgen/DecodeCheck.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

#include "sdr/SampleBlocks.h"

namespace {
constexpr double kTimeTolerance = 1e-6;
}

DecodeCheck checkDecoding(const TrafficScenario& scenario, const std::vector<DecodedMessage>& decoded) {
    DecodeCheck check;
    const auto& txs = scenario.transmissions;
    check.transmitted = txs.size();
    std::vector<bool> matched(txs.size(), false);
    std::set<uint32_t> unknown;
    for (const DecodedMessage& d : decoded) {
        auto first = std::lower_bound(txs.begin(), txs.end(), d.time - kTimeTolerance,
                                      [](const Transmission& t, double time) { return t.startSeconds < time; });
        bool hit = false;
        for (auto it = first; it != txs.end() && it->startSeconds <= d.time + kTimeTolerance; ++it) {
            const size_t index = size_t(it - txs.begin());
            if (!matched[index] && it->frame.size() * 8 == size_t(d.message.bits) &&
                std::memcmp(it->frame.data(), d.message.msg, it->frame.size()) == 0) {
                matched[index] = hit = true;
                break;
            }
        }
        if (hit) {
            ++check.found;
        } else {
            ++check.spurious;
        }
        if (!scenario.find(d.message.address)) unknown.insert(d.message.address);
    }
    check.unknownAddresses.assign(unknown.begin(), unknown.end());
    return check;
}

std::vector<DecodedMessage> demodulateRecording(const std::vector<uint8_t>& iq) {
    RecentAddresses recent;
    SampleBlocks blocks(recent);
    std::vector<DecodedMessage> decoded;
    const auto sink = [&decoded](const ModesMessage& mm, double time) { decoded.push_back({time, mm}); };
    for (size_t offset = 0; offset < iq.size(); offset += SampleBlocks::kBlockBytes)
        blocks.process(iq.data() + offset, std::min(SampleBlocks::kBlockBytes, iq.size() - offset), sink);
    blocks.flush(sink);
    return decoded;
}
