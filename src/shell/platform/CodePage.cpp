#include "shell/platform/CodePage.h"

namespace ravel {

namespace {

constexpr uint32_t REPLACEMENT = 0xfffd;

// 0x80-0x9f; the five bytes the code page leaves unused stand for themselves.
constexpr uint16_t HIGH_BLOCK[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the sequence that a lead byte starts; 0 when it starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xc2 && lead <= 0xdf) return 2;
    if (lead >= 0xe0 && lead <= 0xef) return 3;
    if (lead >= 0xf0 && lead <= 0xf4) return 4;
    return 0;
}

}  // namespace

uint32_t CodePageToUnicode(unsigned char c) {
    return c >= 0x80 && c < 0xa0 ? HIGH_BLOCK[c - 0x80] : c;
}

int UnicodeToCodePage(uint32_t code) {
    if (code < 0x80 || (code >= 0xa0 && code <= 0xff)) return int(code);
    if (code < 0xa0) return -1;  // control characters, not text
    for (int i = 0; i < 32; ++i) {
        if (HIGH_BLOCK[i] == code) return 0x80 + i;
    }
    return -1;
}

std::u32string DecodeUtf8(const char* text) {
    std::u32string out;
    if (!text) return out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        const int length = SequenceLength(*p);
        uint32_t code = length == 1 ? *p : *p & (0x7f >> length);
        int taken = 1;
        for (; taken < length && (p[taken] & 0xc0) == 0x80; ++taken) code = (code << 6) | (p[taken] & 0x3f);
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool surrogate = code >= 0xd800 && code <= 0xdfff;
        if (length == 0 || taken < length || overlong || surrogate || code > 0x10ffff) {
            out.push_back(REPLACEMENT);
            p += length == 0 ? 1 : taken;
            continue;
        }
        out.push_back(code);
        p += length;
    }
    return out;
}

}  // namespace ravel
