// A config.ini from the fuzzer: the skin comes out a folder name that fits
// its buffer and every highlight filter on or off.
#include <cstring>

#include "FuzzSupport.h"
#include "shell/Settings.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("config.ini");
    fuzz::WriteInput(path, data, size);
    fuzz::Expect(ReadConfig(path.c_str()), "config.ini cannot be read");
    fuzz::Expect(std::strlen(s_skinName) <= SKIN_NAME_LENGTH, "a skin name longer than its buffer");
    fuzz::Expect(!std::strpbrk(s_skinName, "/\\:") && !std::strstr(s_skinName, ".."),
                 "a skin name with a path");
    const HighlightFilters& f = g_highlightFilters;
    for (uint8_t v : {f.everything, f.dotBalls, f.singles, f.twosThreesFives, f.fours, f.sixes, f.chances,
                      f.wickets, f.celebrations})
        fuzz::Expect(v <= 1, "a filter neither on nor off");
    return 0;
}
