// artgen: makes every bitmap and sound the game loads, into <folder>/gfx and
// <folder>/sound.
#include <cstdio>
#include <filesystem>

#include "Art.h"
#include "world/Paths.h"

namespace ravel::art {

namespace {
std::string s_root;
int s_failures = 0;
}  // namespace

void SetOutputRoot(const std::string& root) {
    s_root = root;
}

std::string OutPath(const std::string& gamePath) {
    const std::filesystem::path path = std::filesystem::path(s_root) / NativePath(gamePath);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    return path.string();
}

int Failures() {
    return s_failures;
}

void Save(const Picture& p, const std::string& gamePath, uint32_t matte) {
    if (!p.Save(OutPath(gamePath), matte)) ++s_failures;
}

}  // namespace ravel::art

int main(int argc, char** argv) {
    using namespace ravel::art;
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: artgen <output folder> [club list]\n");
        return 2;
    }
    SetOutputRoot(argv[1]);
    MakePictures();
    if (argc == 3) MakeCrests(argv[2]);
    MakeTiles();
    MakeSkins();
    MakeSounds();
    return Failures() == 0 ? 0 : 1;
}
