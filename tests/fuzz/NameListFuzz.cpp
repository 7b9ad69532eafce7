// A name list from the fuzzer: whatever it holds, every name read from it is
// a real name, never empty and never cut by a NUL.
#include <string_view>

#include "FuzzSupport.h"
#include "world/NameLists.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const NameList list = ParseNameList(std::string_view(reinterpret_cast<const char*>(data), size));
    fuzz::Expect(list.m_declared >= 0, "a negative count");
    for (const std::string& name : list.mv_names) {
        fuzz::Expect(!name.empty(), "an empty name");
        fuzz::Expect(name.find('\0') == std::string::npos, "a name with a NUL byte");
        fuzz::Expect(name.size() <= 255, "a name longer than a line may be");
        fuzz::Report("\"%s\"", name.c_str());
    }
    return 0;
}
