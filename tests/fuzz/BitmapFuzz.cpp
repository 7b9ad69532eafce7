// A bitmap file from the fuzzer: the decoder takes anything, and a picture it
// accepts has the size its header gives, within the largest side it reads.
#include "FuzzSupport.h"
#include "shell/platform/Bitmap.h"

using namespace ravel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCanvas picture;
    if (!DecodeBmp(std::vector<uint8_t>(data, data + size), picture)) return 0;
    fuzz::Expect(picture.Width() > 0 && picture.Height() > 0, "a decoded picture without pixels");
    fuzz::Expect(picture.Width() <= 16384 && picture.Height() <= 16384,
                 "a decoded picture beyond the largest side");
    uint32_t alpha = 0xffu;
    for (int y = 0; y < picture.Height(); ++y) alpha &= picture.Row(y)[picture.Width() - 1] >> 24;
    fuzz::Expect(alpha == 0xffu, "a decoded pixel that is not opaque");
    return 0;
}
