#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Packed little-endian record fields. The program only runs on little-endian
// hosts, so a plain copy is the byte order the records are defined in; the
// samples' corrEndian() hooks stay empty for the same reason.

class RecordWriter {
public:
    explicit RecordWriter(unsigned char* buffer) : begin(buffer), cursor(buffer) {}

    template <typename T>
    void put(T value) {
        static_assert(std::is_arithmetic<T>::value, "records hold numbers only");
        std::memcpy(cursor, &value, sizeof(T));
        cursor += sizeof(T);
    }
    void putBytes(const void* data, size_t length) {
        if (length) std::memcpy(cursor, data, length);
        cursor += length;
    }
    // One field of a record whose layout is listed once for writing and
    // reading (see FixedRecordSample): numbers as they are, flags as one byte
    // 0 or 1, enumerations as their underlying type, arrays element by element.
    template <typename T>
    void field(const T& value) {
        if constexpr (std::is_enum<T>::value) {
            put(static_cast<std::underlying_type_t<T>>(value));
        } else if constexpr (std::is_same<T, bool>::value) {
            put(static_cast<uint8_t>(value ? 1 : 0));
        } else {
            put(value);
        }
    }
    template <typename T, size_t N>
    void field(const T (&values)[N]) {
        for (const T& value : values) field(value);
    }
    int length() const { return static_cast<int>(cursor - begin); }

private:
    unsigned char* begin;
    unsigned char* cursor;
};

// Reads fields while they fit; a read past the end leaves the target
// untouched and marks the reader as failed, so arbitrary input is safe.
class RecordReader {
public:
    RecordReader(const void* data, int size)
        : cursor(static_cast<const unsigned char*>(data)), remainingBytes(size > 0 ? size_t(size) : 0) {}

    template <typename T>
    bool get(T& value) {
        static_assert(std::is_arithmetic<T>::value, "records hold numbers only");
        if (remainingBytes < sizeof(T)) return fail();
        std::memcpy(&value, cursor, sizeof(T));
        advance(sizeof(T));
        return true;
    }
    // Points at the next `length` bytes and skips them; null when too few.
    const unsigned char* take(size_t length) {
        if (remainingBytes < length) {
            fail();
            return nullptr;
        }
        const unsigned char* at = cursor;
        advance(length);
        return at;
    }
    // The reading counterpart of RecordWriter::field; any byte but 0 reads as true.
    template <typename T>
    bool field(T& value) {
        if constexpr (std::is_enum<T>::value) {
            std::underlying_type_t<T> raw{};
            if (!get(raw)) return false;
            value = static_cast<T>(raw);
            return true;
        } else if constexpr (std::is_same<T, bool>::value) {
            uint8_t byte = 0;
            if (!get(byte)) return false;
            value = byte != 0;
            return true;
        } else {
            return get(value);
        }
    }
    template <typename T, size_t N>
    bool field(T (&values)[N]) {
        for (T& value : values)
            if (!field(value)) return false;
        return true;
    }
    size_t remaining() const { return remainingBytes; }
    bool ok() const { return !failed; }

private:
    bool fail() {
        failed = true;
        return false;
    }
    void advance(size_t n) {
        cursor += n;
        remainingBytes -= n;
    }

    const unsigned char* cursor;
    size_t remainingBytes;
    bool failed = false;
};

// A record buffer that grows for the variable-length samples (traffic,
// uplink, raw data). It starts at 1024 bytes; each sample chooses how it grows.
class GrowingRecordBuffer {
public:
    static constexpr size_t kInitialSize = 1024;

    GrowingRecordBuffer() : storage(new unsigned char[kInitialSize]), capacity(kInitialSize) {}
    ~GrowingRecordBuffer() { delete[] storage; }
    GrowingRecordBuffer(const GrowingRecordBuffer&) = delete;
    GrowingRecordBuffer& operator=(const GrowingRecordBuffer&) = delete;

    // Replaced by one of exactly the needed size when too small.
    unsigned char* ensureExact(size_t needed) {
        if (needed > capacity) replace(needed);
        return storage;
    }
    // Replaced by one of twice the old size, or the needed size when that is more.
    unsigned char* ensureDoubling(size_t needed) {
        if (needed > capacity) replace(needed > 2 * capacity ? needed : 2 * capacity);
        return storage;
    }
    size_t size() const { return capacity; }

private:
    void replace(size_t newCapacity) {
        delete[] storage;
        storage = new unsigned char[newCapacity];
        capacity = newCapacity;
    }

    unsigned char* storage;
    size_t capacity;
};
