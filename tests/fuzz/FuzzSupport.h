// What the fuzz targets share: a scratch folder of their own, files written
// from the fuzzer's bytes, the built world, and a check that stops the run
// when a property the game relies on does not hold.
#pragma once

#include <unistd.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace ravel::fuzz {

// A folder of its own under the temporary folder, removed at exit.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "ravel_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    // Registered after the folder's name, so it runs while the name lives.
    [[maybe_unused]] static const bool removeAtExit = std::atexit([] {
                                                          std::error_code ignored;
                                                          std::filesystem::remove_all(folder, ignored);
                                                      }) == 0;
    return folder;
}

inline std::string ScratchPath(const std::string& name) {
    return ScratchFolder() + "/" + name;
}

inline void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string BuiltDatabaseFolder() {
    return std::string(RAVEL_RUNTIME_DIR) + "/db/std";
}

// What became of an input, said when a corpus is replayed (a fuzzing run
// would drown in it).
inline void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
inline void Report([[maybe_unused]] const char* format, ...) {
#ifdef RAVEL_FUZZ_REPLAY
    va_list args;
    va_start(args, format);
    std::printf("  ");
    std::vprintf(format, args);
    std::printf("\n");
    va_end(args);
#endif
}

// A property the game relies on: its failure is a finding, like a crash.
inline void Expect(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

}  // namespace ravel::fuzz
