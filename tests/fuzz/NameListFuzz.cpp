// A name list from the fuzzer: whatever it holds, a name drawn from it is a
// real name, never empty and never cut by a NUL.
#include "FuzzSupport.h"
#include "world/NameLists.h"
#include "world/Random.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("Testland_fnames.csv");
    fuzz::WriteInput(path, data, size);
    SeedRand(size);
    for (int draw = 0; draw < 4; ++draw) {
        std::string name;
        if (!RandomNameFromFile(path, name)) return 0;
        fuzz::Expect(!name.empty(), "an empty name");
        fuzz::Expect(name.find('\0') == std::string::npos, "a name with a NUL byte");
        fuzz::Expect(name.size() <= 255, "a name longer than a line may be");
        fuzz::Report("\"%s\"", name.c_str());
    }
    return 0;
}
