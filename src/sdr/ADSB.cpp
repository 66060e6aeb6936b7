#include "sdr/ADSB.h"

#include <cstdio>
#include <new>

#include "base/Time.h"
#include "net/Thread.h"

ADSB::ADSB(ISoftwareDefinedRadio* radio, int deviceIndex, bool agc) : radio(radio), deviceIndex(deviceIndex), agc(agc) {
    try {
        blocks = std::make_unique<SampleBlocks>(recent);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "Out of memory allocating data buffer.\n");
    }
}

ADSB::ADSB(IRawADSBSource* source) : source(source) {}

ADSB::~ADSB() { stopRadio(); }

void ADSB::setErrorRepair(bool fix, bool aggressiveTwoBits) {
    fixErrors = fix;
    aggressive = aggressiveTwoBits;
    if (blocks) blocks->demodulator().setErrorRepair(fix, aggressiveTwoBits);
}

void ADSB::Update() { update(getSecs()); }

void ADSB::update(double now) {
    if (source) {
        RawModeSFrame frame;
        ModesMessage mm;
        while (source->nextFrame(frame))
            if (decodeModesMessage(frame.bytes, now, mm)) useModesMessage(mm, now);
    } else if (radio && blocks) {
        updateRadio(now);
    }
    tracker.age(now);
}

bool ADSB::decodeModesMessage(const uint8_t* frame, double now, ModesMessage& mm) {
    mm = ::decodeModesMessage(frame, fixErrors, aggressive);
    if (!mm.crcOk) {
        ++counters.badCrc;
        return false;
    }
    if (!recent.vouchFor(mm, now)) {
        ++counters.droppedAddress;
        return false;
    }
    if (mm.correctedBits) ++counters.repaired;
    return true;
}

void ADSB::useModesMessage(const ModesMessage& mm, double now) {
    ++counters.messages;
    tracker.useModesMessage(mm, now);
}

void ADSB::updateRadio(double now) {
    if (!lastDataSet) {
        lastData = now;
        lastDataSet = true;
    }
    if (!radioStarted) initRadio(now);
    bool fresh = false;
    {
        std::lock_guard<std::mutex> lock(bufferLock);
        if (dataReady) {
            blocks->computeMagnitudes();
            dataReady = false;
            fresh = true;
        }
    }
    if (!fresh) {
        if (now - lastData > kRestartSeconds) {
            stopRadio();
            ++counters.restarts;
            initRadio(now);
            lastData = now;
        }
        return;
    }
    blocks->detect([this, now](const ModesMessage& mm, double) {
        if (mm.correctedBits) ++counters.repaired;
        useModesMessage(mm, now);
    });
    lastData = now;
}

bool ADSB::initRadio(double) {
    radioStarted = true;
    if (!radio->open(deviceIndex)) return false;
    const std::vector<int> gains = radio->getGains(deviceIndex);
    if (!gains.empty()) {
        radio->setManualGainMode(deviceIndex, true);
        radio->setGain(deviceIndex, gains.back());
    }
    radio->setFreqCorrection(deviceIndex, 0);
    radio->setAGCMode(deviceIndex, agc);
    radio->setCenterFrequency(deviceIndex, kFrequencyHz);
    radio->setSampleRate(deviceIndex, kSampleRateHz);
    radio->resetBuffer(deviceIndex);
    readerRunning = true;
    if (!createThread(&reader, &ADSB::readerThread, this, true)) {
        readerRunning = false;
        return false;
    }
    std::printf("init ADSB 1090 Mhz successful.\n");
    return true;
}

void ADSB::stopRadio() {
    if (!radio || !radioStarted) return;
    if (readerRunning) {
        radio->cancelReadBlocking(deviceIndex);
        pthread_join(reader, nullptr);
        readerRunning = false;
    }
    radio->close(deviceIndex);
    radioStarted = false;
}

void* ADSB::readerThread(void* self) {
    auto* task = static_cast<ADSB*>(self);
    task->radio->readBlocking(task->deviceIndex, task, &ADSB::sampleCallback);
    std::printf("Thread exit\n");
    return nullptr;
}

void ADSB::sampleCallback(unsigned char* buffer, uint32_t length, void* self) {
    auto* task = static_cast<ADSB*>(self);
    std::lock_guard<std::mutex> lock(task->bufferLock);
    task->blocks->appendBlock(buffer, length);
    task->dataReady = true;
}
