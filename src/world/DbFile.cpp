#include "world/DbFile.h"

#include <fstream>

namespace ravel {

DbReader DbReader::FromFile(const std::string& path) {
    // The whole file in one read; a read cut short keeps what arrived.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return DbReader();
    const std::streamoff size = in.tellg();
    if (size <= 0) return DbReader();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    return DbReader(std::move(bytes));
}

void DbReader::Fail(std::string why) {
    if (!mb_bad) m_fault = std::move(why);
    mb_bad = true;
}

bool DbReader::Take(size_t width) {
    if (mb_bad || width > Remaining()) {
        Fail("the file ends inside it");
        return false;
    }
    mi_pos += width;
    return true;
}

void DbReader::I32(int32_t& v) {
    if (!Take(4)) return;
    const uint8_t* p = &mv_bytes[mi_pos - 4];
    v = static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                             uint32_t(p[3]) << 24);
}

void DbReader::F32(float& v) {
    int32_t bits = 0;
    I32(bits);
    if (!mb_bad) std::memcpy(&v, &bits, 4);
}

void DbReader::F64(double& v) {
    int32_t lo = 0, hi = 0;
    I32(lo);
    I32(hi);
    if (mb_bad) return;
    uint64_t bits = uint64_t(uint32_t(lo)) | uint64_t(uint32_t(hi)) << 32;
    std::memcpy(&v, &bits, 8);
}

void DbReader::Byte(uint8_t& v) {
    if (Take(1)) v = mv_bytes[mi_pos - 1];
}

void DbReader::Byte(char& v) {
    if (Take(1)) v = static_cast<char>(mv_bytes[mi_pos - 1]);
}

void DbReader::Byte(bool& v) {
    if (Take(1)) v = mv_bytes[mi_pos - 1] != 0;
}

void DbReader::Text(std::string& dst, size_t width) {
    if (!Take(width)) return;
    const char* p = reinterpret_cast<const char*>(&mv_bytes[mi_pos - width]);
    dst.assign(p, strnlen(p, width));
}

int32_t DbReader::Count(size_t minRecordSize, int32_t limit) {
    // An empty reader (no file) is an empty table, not a corrupt one.
    if (mv_bytes.empty() && mi_pos == 0) return 0;
    if (mi_pos == 0 && Remaining() < 4) {
        Fail("only " + std::to_string(Remaining()) + " bytes, too short for its record count");
        return 0;
    }
    int32_t n = 0;
    I32(n);
    if (mb_bad) return 0;
    if (n < 0 || n > limit) {
        Fail("a count of " + std::to_string(n));
        return 0;
    }
    const size_t fits = minRecordSize ? Remaining() / minRecordSize : Remaining();
    if (static_cast<size_t>(n) > fits) {
        Fail("a count of " + std::to_string(n) + " where only " + std::to_string(Remaining()) +
             " bytes follow");
        return 0;
    }
    return n;
}

void CheckTableEnd(const DbReader& r, int32_t count, int32_t badRecord, TableFault& fault) {
    fault = TableFault{};
    if (r.Bad()) {
        fault.m_record = badRecord;
        fault.m_problem =
            badRecord < 0 ? r.Fault() : r.Fault() + "; the file counts " + std::to_string(count) + " records";
    } else if (r.Remaining() > 0) {
        fault.m_problem = std::to_string(r.Remaining()) + " bytes after its " + std::to_string(count) +
                          " records: the count disagrees with the length";
    }
}

void DbWriter::I32(const int32_t& v) {
    auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) mv_bytes.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

void DbWriter::F32(const float& v) {
    int32_t bits;
    std::memcpy(&bits, &v, 4);
    I32(bits);
}

void DbWriter::F64(const double& v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    I32(static_cast<int32_t>(bits & 0xffffffffu));
    I32(static_cast<int32_t>(bits >> 32));
}

void DbWriter::Text(const std::string& src, size_t width) {
    size_t n = src.size() < width ? src.size() : width - 1;
    mv_bytes.insert(mv_bytes.end(), src.begin(), src.begin() + static_cast<std::ptrdiff_t>(n));
    mv_bytes.insert(mv_bytes.end(), width - n, 0);
}

void DbWriter::Raw(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    mv_bytes.insert(mv_bytes.end(), p, p + size);
}

bool DbWriter::WriteFile(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(mv_bytes.data()), static_cast<std::streamsize>(mv_bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace ravel
