// A highlights file from the fuzzer, read as the match player and the
// scoreboard's F4 read it; what was read is written and read back the same.
#include "FuzzSupport.h"
#include "match/HighlightsFile.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::ScratchPath("test.tvc");
    fuzz::WriteInput(path, data, size);
    g_highlightsList.mi_currentClip = 3;
    ReadReplayFile(path.c_str());
    fuzz::Expect(g_highlightsList.mi_currentClip == 0, "a read starts at the first clip");
    const size_t scripts = g_highlightsList.mv_scripts.size();
    const std::string content = EncodeReplay(g_highlightsList);
    HighlightsList again;
    fuzz::Expect(DecodeReplay(content, again), "a written list reads whole");
    fuzz::Expect(again.mv_scripts.size() == scripts, "a written list reads back every script");
    fuzz::Expect(EncodeReplay(again) == content, "a written list reads back byte for byte");
    return 0;
}
