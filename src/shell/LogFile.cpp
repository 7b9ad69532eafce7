#include "shell/LogFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include "shell/platform/Clock.h"
#include "world/Paths.h"

namespace ravel {

CLogFile g_logFile;

namespace {
constexpr int ENTRY_BUFFER = 2000;
constexpr int ERROR_BUFFER = 300;
const char* const SEPARATOR = "------------------------------\n";
}  // namespace

CLogFile::CLogFile() {
    std::memset(m_tail, 0, sizeof m_tail);
    std::memset(m_path, 0, sizeof m_path);
}

CLogFile::~CLogFile() {
    End();
}

void CLogFile::Begin(const char* path) {
    if (!path || mp_file) return;
    mp_file = std::fopen(NativePath(path).c_str(), "wt");
    Trim(WHOLE_TAIL);
    // After the trim, so the memory-only log keeps the reason.
    if (!mp_file) Error("%s", "DUMP FILE UNOPENED!");
    Printf("%s", SEPARATOR);
    LogTime("begun");
    std::snprintf(m_path, sizeof m_path, "%s", path);
    Printf("%s", SEPARATOR);
}

void CLogFile::LogTime(const char* what) {
    const LocalTime t = GetLocalTime();
    Printf("Log file %s: %02d:%02d:%02d:%03d %02d/%02d/%04d\n", what, t.hour, t.minute, t.second,
           t.millisecond, t.day, t.month, t.year);
}

int CLogFile::Printf(const char* format, ...) {
    char text[ENTRY_BUFFER];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    const size_t length = std::strlen(text);
    size_t tail = std::strlen(m_tail);
    if (tail + length >= size_t(TAIL_SIZE)) {
        // Drop the oldest characters so tail and text together fill 16,383.
        const size_t drop = std::min(tail, tail + length - (TAIL_SIZE - 1));
        std::memmove(m_tail, m_tail + drop, tail - drop);
        tail -= drop;
        std::memset(m_tail + tail, 0, TAIL_SIZE - tail);
    }
    if (mp_file) {
        std::fwrite(text, 1, length, mp_file);
        // Readable while the game runs, and kept if it stops short.
        std::fflush(mp_file);
    }
    std::memcpy(m_tail + tail, text, length);
    m_tail[tail + length] = 0;
    return int(length);
}

void CLogFile::Error(const char* format, ...) {
    char text[ERROR_BUFFER];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Printf("ERROR: %s", text);
}

int CLogFile::Trim(uint32_t count) {
    const size_t tail = std::strlen(m_tail);
    if (count == WHOLE_TAIL || count >= tail) count = uint32_t(tail);
    if (mp_file) std::fwrite(m_tail, 1, count, mp_file);
    if (count == tail) {
        std::memset(m_tail, 0, sizeof m_tail);
    } else {
        std::memmove(m_tail, m_tail + count, tail - count);
        std::memset(m_tail + (tail - count), 0, TAIL_SIZE - (tail - count));
    }
    return 0;
}

int CLogFile::End() {
    if (!mp_file) return 0;
    Printf("%s", SEPARATOR);
    LogTime("ended");
    Printf("%s", SEPARATOR);
    const int result = std::fclose(mp_file);
    mp_file = nullptr;
    return result;
}

}  // namespace ravel
