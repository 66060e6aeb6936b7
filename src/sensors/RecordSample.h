#pragma once
#include <cassert>

#include "sensors/ISensorData.h"
#include "base/RecordCodec.h"

// The base of the samples whose record has a fixed length. A sample lists its
// fields once, in record order, in a public member
//     template <class Record> void recordFields(Record& record)
// that calls record.field(member) for each of them. Writing and reading walk
// that one list, so the two directions cannot drift apart.
template <class Sample, int RecordLength>
class FixedRecordSample : public ISensorData {
public:
    static constexpr int kRecordLength = RecordLength;

    void* serialize(int* size) override {
        RecordWriter out(record);
        static_cast<Sample*>(this)->recordFields(out);
        assert(out.length() == kRecordLength);
        *size = out.length();
        return record;
    }

    // A record shorter than kRecordLength is refused and changes nothing;
    // bytes after the fields are ignored.
    bool deserialize(const void* data, int size) override {
        if (size < kRecordLength) return false;
        RecordReader in(data, size);
        static_cast<Sample*>(this)->recordFields(in);
        return true;
    }

    void corrEndian() {}

private:
    unsigned char record[kRecordLength];
};

// The base of the samples whose record length varies (traffic, uplink, raw
// and wide-band data): they write into a buffer that grows as needed.
class GrowingRecordSample : public ISensorData {
public:
    void corrEndian() {}

    size_t getRecordBufferSize() const { return buffer.size(); }

protected:
    GrowingRecordBuffer buffer;
};
