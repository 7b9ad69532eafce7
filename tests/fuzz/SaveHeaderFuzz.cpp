// The first bytes of a saved game from the fuzzer: the header reader takes
// anything and its coach's name always ends within its field.
#include <cstring>

#include "FuzzSupport.h"
#include "world/SaveGame.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const SaveGameHeader header = DecodeSaveGameHeader(data, size);
    fuzz::Expect(std::memchr(header.m_coachName, '\0', sizeof header.m_coachName) != nullptr,
                 "a coach's name without its end");
    const bool tagged = size >= sizeof SAVE_TAG && std::memcmp(data, SAVE_TAG, sizeof SAVE_TAG) == 0;
    fuzz::Expect(tagged || header.m_team == SAVE_OTHER_VERSION, "a file of another version taken for ours");
    return 0;
}
