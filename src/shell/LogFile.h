// A small text log: the last 16 KB of everything logged stay in memory, and
// while a file is open each entry also goes to it, framed by begin and end
// blocks with the local time.
#pragma once

#include <cstdint>
#include <cstdio>

namespace ravel {

class CLogFile {
public:
    static constexpr int TAIL_SIZE = 16384;
    static constexpr uint32_t WHOLE_TAIL = 0xffffffffu;

    CLogFile();
    ~CLogFile();
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;

    void Begin(const char* path);
    int Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void Error(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int Trim(uint32_t count);
    int End();

    const char* Tail() const { return m_tail; }
    const char* Path() const { return m_path; }
    bool IsOpen() const { return mp_file != nullptr; }

private:
    void LogTime(const char* what);

    char m_tail[TAIL_SIZE];
    char m_path[260];
    FILE* mp_file = nullptr;
};

// The program's one log.
extern CLogFile g_logFile;

}  // namespace ravel
