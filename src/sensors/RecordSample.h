#pragma once
#include <cassert>
#include <memory>

#include "base/RecordCodec.h"
#include "sensors/ISensorData.h"

// Every sample lists its record's fields once, in record order, in a public
// member (see base/RecordCodec.h)
//     template <class Visitor> void fields(Visitor& v)
// that writing, reading and the tests' comparisons all go through.

// The reader of a record handed over with an int length (negative: empty).
inline RecordReader sampleReader(const void* data, int size) { return RecordReader(data, size > 0 ? size_t(size) : 0); }

// The base of the samples whose record has a fixed length.
template <class Sample, int RecordLength>
class FixedRecordSample : public ISensorData {
public:
    static constexpr int kRecordLength = RecordLength;

    void* serialize(int* size) override {
        RecordWriter<SpanSink>({record, record + kRecordLength})(static_cast<Sample&>(*this));
        assert(recordLength(static_cast<Sample&>(*this)) == size_t(kRecordLength));
        *size = kRecordLength;
        return record;
    }

    // A record shorter than kRecordLength is refused and changes nothing;
    // bytes after the fields are ignored.
    bool deserialize(const void* data, int size) override {
        return size >= kRecordLength && readRecord(data, size_t(size), static_cast<Sample&>(*this));
    }

    void corrEndian() {}

private:
    unsigned char record[kRecordLength] = {};
};

// The record buffer of the samples whose record length varies. It starts at
// 1024 bytes; each sample chooses how it grows. It is scratch space, not part
// of a sample's value: a copy of a sample starts with a buffer of its own.
class GrowingRecordBuffer {
public:
    static constexpr size_t kInitialSize = 1024;
    // EXACT: replaced by one of exactly the needed size when too small.
    // DOUBLING: replaced by one of twice the old size, or the needed size when that is more.
    enum Growth { EXACT, DOUBLING };

    GrowingRecordBuffer() = default;
    GrowingRecordBuffer(const GrowingRecordBuffer&) {}
    GrowingRecordBuffer& operator=(const GrowingRecordBuffer&) { return *this; }

    // Writes the fields and returns the buffer; their length goes to *size.
    template <class... R>
    void* write(Growth growth, int* size, const R&... fields) {
        const size_t needed = recordLength(fields...);
        if (needed > capacity) capacity = growth == EXACT ? needed : std::max(needed, 2 * capacity);
        if (allocated != capacity) {
            storage.reset(new unsigned char[capacity]);
            allocated = capacity;
        }
        RecordWriter<SpanSink>({storage.get(), storage.get() + needed})(fields...);
        *size = int(needed);
        return storage.get();
    }
    size_t size() const { return capacity; }

private:
    std::unique_ptr<unsigned char[]> storage;
    size_t capacity = kInitialSize;
    size_t allocated = 0;
};

// The base of the samples whose record length varies (traffic, uplink, raw
// and wide-band data).
class GrowingRecordSample : public ISensorData {
public:
    void corrEndian() {}

    size_t getRecordBufferSize() const { return buffer.size(); }

protected:
    GrowingRecordBuffer buffer;
};
