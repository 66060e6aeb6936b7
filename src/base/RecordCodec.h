#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The one binary codec of the program: sensor sample records, chart element
// records and the chart's own files.
//
// A record lists its fields once, in record order, in a member
//     template <class Visitor> void fields(Visitor& v) { v(hour, minute, record::latLong(position), name); }
// Reading, writing, measuring and describing (RecordText, for comparisons)
// all walk that one list, so no two of them can drift apart.
//
// What a field is in the record:
//   number                    little-endian, its own size
//   bool                      one byte, 0 or 1; any byte but 0 reads as true
//   enumeration               its underlying type
//   T[N]                      N fields
//   std::pair                 first, then second
//   std::string, std::vector  a u32 count, then the bytes or entries
//   a type with fields()      its fields (a nested record)
//   a callable f(visitor)     whatever it visits (fields shared by several
//                             records, or a list only code can say, e.g. the
//                             values of a map)
// and the adaptors of namespace record for what the type alone does not say.
//
// Reading is bounds-checked: a field that does not fit leaves its target
// untouched and fails the reader, and every later field fails too (sticky),
// so a record can be read whole and ok() tested once. A count is checked
// against the bytes left before anything is allocated: a corrupt count never
// reserves gigabytes.

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "records are little-endian and copied as they are");

namespace record {

// A position as two doubles, latitude first or longitude first.
template <class P>
struct LatLong {
    P& position;
    template <class V>
    void fields(V& v) { v(position.latitude, position.longitude); }
};
template <class P>
struct LongLat {
    P& position;
    template <class V>
    void fields(V& v) { v(position.longitude, position.latitude); }
};
template <class P>
LatLong<P> latLong(P& position) { return {position}; }
template <class P>
LongLat<P> longLat(P& position) { return {position}; }

// A value kept as Wire in the record, e.g. feet held as a double but written
// as an i32. Floating values are clamped to Wire's range (NaN gives 0) and
// truncated toward zero.
template <class Wire, class T>
struct As {
    T& value;
    template <class V>
    void fields(V& v) { v.template convert<Wire>(value); }
};
template <class Wire, class T>
As<Wire, T> as(T& value) { return {value}; }

// Visits one entry of a list as a field.
struct AsField {
    template <class V, class T>
    void operator()(V& v, T& entry) const { v(entry); }
};

// A count of type Count, then the entries; `entry` visits one entry. Each
// count stands for Per entries (e.g. 3 bytes of static data per element). A
// list longer than Count can say is cut when written.
template <class Count, size_t Per, class C, class Entry>
struct Counted {
    C& entries;
    Entry entry;
    template <class V>
    void fields(V& v) { v.template list<Count, Per>(entries, entry); }
};
template <class Count, size_t Per = 1, class C, class Entry = AsField>
Counted<Count, Per, C, Entry> counted(C& entries, Entry entry = {}) { return {entries, entry}; }

// A u32 count, then each point longitude first.
template <class P>
auto longLat(std::vector<P>& points) {
    return counted<uint32_t>(points, [](auto& v, P& point) { v(longLat(point)); });
}

// N bytes of text, zero padded (cut when longer); read up to the first zero.
template <size_t N>
struct FixedText {
    std::string& text;
    template <class V>
    void fields(V& v) { v.fixedText(text, N); }
};
template <size_t N>
FixedText<N> fixedText(std::string& text) { return {text}; }

// A nested record behind its length in bytes (of type Length). It is read
// from exactly that many bytes: bytes after its fields are skipped, and it
// fails when its fields need more.
template <class Length, class R>
struct Sized {
    R& nested;
    template <class V>
    void fields(V& v) { v.template sized<Length>(nested); }
};
template <class Length, class R>
Sized<Length, R> sized(R& nested) { return {nested}; }

template <class T>
struct IsList : std::false_type {};
template <class T>
struct IsList<std::vector<T>> : std::true_type {};
template <>
struct IsList<std::string> : std::true_type {};
template <class T>
struct IsPair : std::false_type {};
template <class A, class B>
struct IsPair<std::pair<A, B>> : std::true_type {};

// Entries of a list that can be copied as a block of bytes.
template <class T, class Entry>
constexpr bool kPlainEntries = std::is_arithmetic<T>::value && !std::is_same<T, bool>::value &&
                               std::is_same<Entry, AsField>::value;

template <class Wire, class T>
Wire toWire(const T& value) {
    if constexpr (std::is_floating_point<T>::value && std::is_integral<Wire>::value) {
        if (!(value == value)) return 0;
        const T low = static_cast<T>(std::numeric_limits<Wire>::min());
        const T high = static_cast<T>(std::numeric_limits<Wire>::max());
        return value <= low ? std::numeric_limits<Wire>::min()
                            : value >= high ? std::numeric_limits<Wire>::max() : static_cast<Wire>(value);
    } else {
        return static_cast<Wire>(value);
    }
}

// How many counts a list writes: Per entries each, at most what Count holds.
template <class Count, size_t Per, class C>
size_t countOf(const C& entries) {
    return std::min<size_t>(entries.size() / Per, std::numeric_limits<Count>::max());
}

}  // namespace record

// The field dispatch shared by every visitor. Derived supplies the
// primitives number(T&), list<Count, Per>(container, entry),
// fixedText(text, length) and sized<Length>(record).
template <class Derived, bool Reads>
class RecordVisitor {
public:
    static constexpr bool reads = Reads;

    template <class... T>
    Derived& operator()(T&&... values) {
        (field(values), ...);
        return static_cast<Derived&>(*this);
    }

    template <class Wire, class T>
    void convert(T& value) {
        if constexpr (Reads) {
            Wire wire{};
            self().number(wire);
            if (self().ok()) value = static_cast<T>(wire);
        } else {
            Wire wire = record::toWire<Wire>(value);
            self().number(wire);
        }
    }

private:
    Derived& self() { return static_cast<Derived&>(*this); }

    template <class T>
    void field(T& value) {
        using Plain = std::remove_const_t<T>;
        static_assert(!Reads || !std::is_const<T>::value, "a reader needs somewhere to put the value");
        Plain& target = const_cast<Plain&>(value);  // only readers change it
        if constexpr (std::is_same<Plain, bool>::value) {
            convert<uint8_t>(target);
        } else if constexpr (std::is_enum<Plain>::value) {
            convert<std::underlying_type_t<Plain>>(target);
        } else if constexpr (std::is_arithmetic<Plain>::value) {
            self().number(target);
        } else if constexpr (std::is_array<Plain>::value) {
            for (auto& entry : target) field(entry);
        } else if constexpr (record::IsPair<Plain>::value) {
            field(target.first), field(target.second);
        } else if constexpr (record::IsList<Plain>::value) {
            self().template list<uint32_t, 1>(target, record::AsField{});
        } else if constexpr (std::is_invocable<Plain&, Derived&>::value) {
            target(self());
        } else {
            target.fields(self());
        }
    }
};

// Counts the bytes of a record instead of writing them. The shortest count
// takes every list, string and nested record as empty: the fewest bytes an
// entry of that type can take, which bounds a count read from a record.
class RecordLength : public RecordVisitor<RecordLength, false> {
public:
    explicit RecordLength(bool shortest = false) : shortest(shortest) {}
    size_t length() const { return bytes; }

    template <class T>
    void number(T&) { bytes += sizeof(T); }
    template <class Count, size_t Per, class C, class Entry>
    void list(C& entries, Entry entry) {
        bytes += sizeof(Count);
        if (shortest) return;
        const size_t n = record::countOf<Count, Per>(entries) * Per;
        if constexpr (record::kPlainEntries<typename C::value_type, Entry>)
            bytes += n * sizeof(typename C::value_type);
        else
            for (size_t i = 0; i < n; ++i) entry(*this, entries[i]);
    }
    void fixedText(std::string&, size_t length) { bytes += length; }
    template <class Length, class R>
    void sized(R& nested) {
        bytes += sizeof(Length);
        if (!shortest) (*this)(nested);
    }

private:
    bool shortest;
    size_t bytes = 0;
};

template <class... R>
size_t recordLength(const R&... fields) { return RecordLength()(fields...).length(); }

// Where a RecordWriter puts its bytes: a stream, a growing string, or a
// buffer sized beforehand with recordLength (bytes beyond its end are dropped).
struct StreamSink {
    std::ostream& out;
    void put(const void* bytes, size_t n) { out.write(static_cast<const char*>(bytes), std::streamsize(n)); }
};
struct StringSink {
    std::string& bytes;
    void put(const void* data, size_t n) { bytes.append(static_cast<const char*>(data), n); }
};
struct SpanSink {
    unsigned char* at;
    unsigned char* end;
    void put(const void* bytes, size_t n) {
        n = std::min(n, size_t(end - at));
        if (n) std::memcpy(at, bytes, n);
        at += n;
    }
};

template <class Sink>
class RecordWriter : public RecordVisitor<RecordWriter<Sink>, false> {
public:
    explicit RecordWriter(Sink sink) : sink(sink) {}

    template <class T>
    void number(T& value) { sink.put(&value, sizeof(T)); }
    template <class Count, size_t Per, class C, class Entry>
    void list(C& entries, Entry entry) {
        Count count = static_cast<Count>(record::countOf<Count, Per>(entries));
        number(count);
        const size_t n = size_t(count) * Per;
        if constexpr (record::kPlainEntries<typename C::value_type, Entry>) {
            if (n) sink.put(&entries[0], n * sizeof(typename C::value_type));
        } else {
            for (size_t i = 0; i < n; ++i) entry(*this, entries[i]);
        }
    }
    void fixedText(std::string& text, size_t length) {
        const size_t used = std::min(text.size(), length);
        sink.put(text.data(), used);
        const unsigned char zero = 0;
        for (size_t i = used; i < length; ++i) sink.put(&zero, 1);
    }
    template <class Length, class R>
    void sized(R& nested) {
        Length length = static_cast<Length>(recordLength(nested));
        number(length);
        (*this)(nested);
    }

private:
    Sink sink;
};

template <class... R>
void writeRecord(std::ostream& out, const R&... fields) { RecordWriter<StreamSink>({out})(fields...); }
template <class... R>
std::string recordBytes(const R&... fields) {
    std::string bytes;
    RecordWriter<StringSink>({bytes})(fields...);
    return bytes;
}

class RecordReader : public RecordVisitor<RecordReader, true> {
public:
    RecordReader(const void* data, size_t size)
        : start(static_cast<const unsigned char*>(data)), cursor(start), left(size) {}

    // False once any read has failed.
    bool ok() const { return !failed; }
    size_t remaining() const { return left; }
    size_t consumed() const { return size_t(cursor - start); }
    // The next value without moving past it; false when it does not fit.
    template <class T>
    bool peek(T& value) const {
        if (failed || left < sizeof(T)) return false;
        std::memcpy(&value, cursor, sizeof(T));
        return true;
    }

    template <class T>
    void number(T& value) {
        if (const unsigned char* at = take(sizeof(T))) std::memcpy(&value, at, sizeof(T));
    }
    // A count that cannot fit empties the list; a list cut short keeps the
    // entries read in full.
    template <class Count, size_t Per, class C, class Entry>
    void list(C& entries, Entry entry) {
        using T = typename C::value_type;
        Count count = 0;
        number(count);
        if (failed) return;
        if (count > left / (shortestEntry<T>(entry) * Per)) {
            entries.clear();
            failed = true;
            return;
        }
        const size_t n = size_t(count) * Per;
        entries.resize(n);
        if constexpr (record::kPlainEntries<T, Entry>) {
            const unsigned char* at = take(n * sizeof(T));
            if (at && n) std::memcpy(&entries[0], at, n * sizeof(T));
        } else {
            for (size_t i = 0; i < n && !failed; ++i) {
                entry(*this, entries[i]);
                if (failed) entries.resize(i);
            }
        }
    }
    void fixedText(std::string& text, size_t length) {
        if (const unsigned char* at = take(length)) {
            const char* chars = reinterpret_cast<const char*>(at);
            text.assign(chars, strnlen(chars, length));
        }
    }
    template <class Length, class R>
    void sized(R& nested) {
        Length length = 0;
        number(length);
        if (failed || length > left) {
            failed = true;
            return;
        }
        RecordReader inner(cursor, length);
        if (inner(nested).ok())
            take(length);
        else
            failed = true;
    }

private:
    const unsigned char* take(size_t n) {
        if (failed || left < n) {
            failed = true;
            return nullptr;
        }
        const unsigned char* at = cursor;
        cursor += n;
        left -= n;
        return at;
    }
    // The shortest record of an entry, at least one byte; measured once per type.
    template <class T, class Entry>
    static size_t shortestEntry(Entry entry) {
        static const size_t length = [&] {
            T empty{};
            RecordLength shortest(true);
            entry(shortest, empty);
            return std::max<size_t>(shortest.length(), 1);
        }();
        return length;
    }

    const unsigned char* start;
    const unsigned char* cursor;
    size_t left;
    bool failed = false;
};

// True when every field was read.
template <class... R>
bool readRecord(const void* data, size_t size, R&&... fields) { return RecordReader(data, size)(fields...).ok(); }

// One line per field as it would be written: two records hold the same
// values exactly when their texts are equal, and a test that compares texts
// shows the fields that differ.
class RecordText : public RecordVisitor<RecordText, false> {
public:
    const std::string& text() const { return lines; }

    template <class T>
    void number(T& value) { line(format(value)); }
    template <class Count, size_t Per, class C, class Entry>
    void list(C& entries, Entry entry) {
        const size_t n = record::countOf<Count, Per>(entries) * Per;
        if constexpr (std::is_same<C, std::string>::value) {
            line('"' + entries.substr(0, n) + '"');
        } else if constexpr (record::kPlainEntries<typename C::value_type, Entry>) {
            std::string values = std::to_string(n) + ":";
            for (size_t i = 0; i < n; ++i) values += " " + format(entries[i]);
            line(values);
        } else {
            line("entries: " + std::to_string(n));
            for (size_t i = 0; i < n; ++i) entry(*this, entries[i]);
        }
    }
    void fixedText(std::string& text, size_t length) { line('"' + text.substr(0, length) + '"'); }
    template <class Length, class R>
    void sized(R& nested) { (*this)(nested); }

private:
    template <class T>
    static std::string format(T value) {
        char text[32];
        if constexpr (std::is_floating_point<T>::value)
            std::snprintf(text, sizeof text, "%.*g", std::numeric_limits<T>::max_digits10, double(value));
        else if constexpr (std::is_signed<T>::value)
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        else
            std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
        return text;
    }
    void line(const std::string& text) { lines += text + "\n"; }

    std::string lines;
};

template <class... R>
std::string recordText(const R&... fields) { return RecordText()(fields...).text(); }
