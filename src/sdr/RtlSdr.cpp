#include "sdr/RtlSdr.h"

#include <rtl-sdr.h>

#include "base/Logger.h"

namespace {
// librtlsdr's own defaults for the asynchronous reader: 15 buffers of 256 KiB.
constexpr uint32_t kBufferCount = 15;
constexpr uint32_t kBufferBytes = 262144;
}  // namespace

RtlSdr::~RtlSdr() {
    for (auto& entry : devices)
        if (entry.second.handle) rtlsdr_close(entry.second.handle);
}

bool RtlSdr::init() { return true; }

// Runs a librtlsdr setter on an open device; librtlsdr answers 0 for success.
template <class Call>
bool RtlSdr::onDevice(int index, Call call) {
    rtlsdr_dev* h = handleOf(index);
    return h && call(h) == 0;
}

int RtlSdr::getDeviceCount() { return int(rtlsdr_get_device_count()); }

rtlsdr_dev* RtlSdr::handleOf(int index) {
    auto it = devices.find(index);
    return it == devices.end() ? nullptr : it->second.handle;
}

bool RtlSdr::open(int index) {
    if (handleOf(index)) return true;
    rtlsdr_dev* handle = nullptr;
    if (rtlsdr_open(&handle, uint32_t(index)) != 0 || !handle) {
        logMessage("RTL-SDR: cannot open device " + std::to_string(index));
        return false;
    }
    devices[index].handle = handle;
    return true;
}

void RtlSdr::close(int index) {
    auto it = devices.find(index);
    if (it == devices.end()) return;
    if (it->second.handle) rtlsdr_close(it->second.handle);
    devices.erase(it);
}

bool RtlSdr::isOpen(int index) { return handleOf(index) != nullptr; }

bool RtlSdr::isReading(int index) {
    auto it = devices.find(index);
    return it != devices.end() && it->second.reading;
}

std::vector<int> RtlSdr::getGains(int index) {
    rtlsdr_dev* h = handleOf(index);
    if (!h) return {};
    const int count = rtlsdr_get_tuner_gains(h, nullptr);
    if (count <= 0) return {};
    std::vector<int> gains(static_cast<size_t>(count));
    rtlsdr_get_tuner_gains(h, gains.data());
    return gains;
}

bool RtlSdr::setGain(int index, int gain) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_tuner_gain(h, gain); });
}

int RtlSdr::getGain(int index) {
    rtlsdr_dev* h = handleOf(index);
    return h ? rtlsdr_get_tuner_gain(h) : 0;
}

bool RtlSdr::setFreqCorrection(int index, int ppm) {
    rtlsdr_dev* h = handleOf(index);
    // The library refuses to set the correction it already has; that is fine.
    return h && (ppm == rtlsdr_get_freq_correction(h) || rtlsdr_set_freq_correction(h, ppm) == 0);
}

bool RtlSdr::setAGCMode(int index, bool on) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_agc_mode(h, on ? 1 : 0); });
}

bool RtlSdr::setManualGainMode(int index, bool manual) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_tuner_gain_mode(h, manual ? 1 : 0); });
}

bool RtlSdr::setCenterFrequency(int index, uint32_t hz) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_center_freq(h, hz); });
}

uint32_t RtlSdr::getActualCenterFrequency(int index) {
    rtlsdr_dev* h = handleOf(index);
    return h ? rtlsdr_get_center_freq(h) : 0;
}

bool RtlSdr::setSampleRate(int index, uint32_t hz) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_sample_rate(h, hz); });
}

bool RtlSdr::setBandwith(int index, uint32_t hz) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_set_tuner_bandwidth(h, hz); });
}

bool RtlSdr::resetBuffer(int index) {
    return onDevice(index, [&](rtlsdr_dev* h) { return rtlsdr_reset_buffer(h); });
}

bool RtlSdr::readBlocking(int index, void* context, SampleCallback callback) {
    auto it = devices.find(index);
    if (it == devices.end() || !it->second.handle) return false;
    it->second.reading = true;
    const int result = rtlsdr_read_async(it->second.handle, callback, context, kBufferCount, kBufferBytes);
    it->second.reading = false;
    return result == 0;
}

void RtlSdr::cancelReadBlocking(int index) {
    rtlsdr_dev* h = handleOf(index);
    if (h) rtlsdr_cancel_async(h);
}

std::string RtlSdr::getDescription(int index) {
    char vendor[256] = {}, product[256] = {}, serial[256] = {};
    rtlsdr_dev* h = handleOf(index);
    const int result = h ? rtlsdr_get_usb_strings(h, vendor, product, serial)
                         : rtlsdr_get_device_usb_strings(uint32_t(index), vendor, product, serial);
    if (result != 0) return rtlsdr_get_device_name(uint32_t(index));
    return std::string(vendor) + " " + product + " SN: " + serial;
}
