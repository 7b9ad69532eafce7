// The database files' common format: a little-endian int32 record count, then
// fixed-width records written field by field with nothing between them.
// DbReader never reads past the end of its buffer: a short or corrupt file
// turns the reader bad with the reason, and the table reader reports which
// record it was in.
// The same field list (an Io function template) drives reading and writing.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace ravel {

class DbReader {
public:
    DbReader() = default;
    explicit DbReader(std::vector<uint8_t> bytes) : mv_bytes(std::move(bytes)) {}

    // An absent file gives an empty reader whose count reads as 0.
    static DbReader FromFile(const std::string& path);

    static constexpr bool READING = true;

    bool Bad() const { return mb_bad; }
    // Why the reader turned bad; empty while it is good.
    const std::string& Fault() const { return m_fault; }
    size_t Remaining() const { return mv_bytes.size() - mi_pos; }

    void I32(int32_t& v);
    void F32(float& v);
    void F64(double& v);
    void Byte(uint8_t& v);
    void Byte(char& v);
    void Byte(bool& v);
    // A text field of `width` bytes copied as it stands; the last byte of the
    // destination is forced to NUL so a corrupt field can't run on.
    template <size_t N>
    void Text(char (&dst)[N], size_t width) {
        static_assert(N > 0);
        if (!Take(width)) return;
        size_t n = width < N ? width : N - 1;
        std::memcpy(dst, &mv_bytes[mi_pos - width], n);
        if (n < N) std::memset(dst + n, 0, N - n);
        dst[N - 1] = '\0';
    }
    void Text(std::string& dst, size_t width);
    void Skip(size_t width) { Take(width); }
    void Raw(void* dst, size_t size) {
        if (Take(size)) std::memcpy(dst, &mv_bytes[mi_pos - size], size);
    }

    // A record or list count: negative, above `limit` or more than the
    // remaining bytes hold at `minRecordSize` each marks the file corrupt
    // and gives 0.
    int32_t Count(size_t minRecordSize, int32_t limit = 0x7fffffff);

private:
    bool Take(size_t width);
    void Fail(std::string why);

    std::vector<uint8_t> mv_bytes;
    size_t mi_pos = 0;
    bool mb_bad = false;
    std::string m_fault;
};

class DbWriter {
public:
    static constexpr bool READING = false;

    bool Bad() const { return false; }
    void I32(const int32_t& v);
    void F32(const float& v);
    void F64(const double& v);
    void Byte(const uint8_t& v) { mv_bytes.push_back(v); }
    void Byte(const char& v) { mv_bytes.push_back(static_cast<uint8_t>(v)); }
    void Byte(const bool& v) { mv_bytes.push_back(v ? 1 : 0); }
    // A char array goes out byte for byte, so a loaded table writes back
    // exactly as it was read.
    template <size_t N>
    void Text(const char (&src)[N], size_t width) {
        size_t n = width < N ? width : N;
        Raw(src, n);
        Skip(width - n);
    }
    void Text(const std::string& src, size_t width);
    void Skip(size_t width) { mv_bytes.insert(mv_bytes.end(), width, 0); }
    void Raw(const void* data, size_t size);

    const std::vector<uint8_t>& Bytes() const { return mv_bytes; }
    bool WriteFile(const std::string& path) const;

private:
    std::vector<uint8_t> mv_bytes;
};

// Reads a nested counted list: the count, then each element through `io`.
template <class A, class V, class F>
void IoList(A& a, V& list, size_t minElementSize, int32_t limit, F io) {
    if constexpr (A::READING) {
        int32_t n = a.Count(minElementSize, limit);
        list.clear();
        for (int32_t i = 0; i < n && !a.Bad(); ++i) {
            typename V::value_type e{};
            io(a, e);
            if (!a.Bad()) list.push_back(e);
        }
    } else {
        int32_t n = static_cast<int32_t>(list.size());
        a.I32(n);
        for (auto& e : list) io(a, e);
    }
}

// A list of int32 values.
template <class A, class V>
void IoIntList(A& a, V& list, int32_t limit) {
    IoList(a, list, 4, limit, [](A& aa, auto& v) { aa.I32(v); });
}

// What is wrong with a table file as a whole: its length must be its count
// plus exactly that many whole records.
struct TableFault {
    int32_t m_record = -1;  // the record it was found in; -1 the file as a whole
    std::string m_problem;  // empty for a sound file
};

// Fills `fault` for a file whose count or records do not add up to its length.
void CheckTableEnd(const DbReader& r, int32_t count, int32_t badRecord, TableFault& fault);

// A whole table: the record count, then the records. A record cut short is
// dropped with everything after it, and `fault` says what was wrong.
template <class T, class F>
std::vector<T> ReadTable(const std::string& path, size_t minRecordSize, F io, TableFault& fault) {
    DbReader r = DbReader::FromFile(path);
    std::vector<T> out;
    const int32_t n = r.Count(minRecordSize);
    int32_t badRecord = -1;
    for (int32_t i = 0; i < n && !r.Bad(); ++i) {
        T rec{};
        io(r, rec);
        if (r.Bad())
            badRecord = i;
        else
            out.push_back(std::move(rec));
    }
    CheckTableEnd(r, n, badRecord, fault);
    return out;
}

template <class T, class F>
bool WriteTable(const std::string& path, const std::vector<T>& table, F io) {
    DbWriter w;
    int32_t n = static_cast<int32_t>(table.size());
    w.I32(n);
    for (const T& rec : table) io(w, rec);
    return w.WriteFile(path);
}

}  // namespace ravel
