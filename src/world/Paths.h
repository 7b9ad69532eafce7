// Paths are built with '/' (JoinPath); a name from elsewhere that holds
// backslashes or doubled separators becomes a native path here, and only here.
#pragma once

#include <string>

namespace ravel {

// Backslashes become '/', runs of separators collapse to one.
std::string NativePath(const std::string& gamePath);
// The folder and the name with one '/' between them; the name alone when the
// folder is empty.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace ravel
