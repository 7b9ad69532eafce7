#include "world/Paths.h"

namespace ravel {

std::string NativePath(const std::string& gamePath) {
    std::string out;
    out.reserve(gamePath.size());
    for (char c : gamePath) {
        bool separator = c == '\\' || c == '/';
        if (separator) {
            if (!out.empty() && out.back() == '/') continue;
            out.push_back('/');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace ravel
