// The HTML scorecard of a match: batting, extras, totals, fall of wickets and
// bowling of every innings played, under the match title and result.
#pragma once

#include <string>

namespace ravel {

class Match;

// The whole page as text.
std::string ScorecardHtml(const Match& match);
// Writes the page to a file; false when the file cannot be written. The
// second argument is kept for the callers' sake and must be 0.
bool WriteScorecardHtml(const Match& match, int flags, const char* path);
// Text made safe for HTML.
std::string HtmlEscape(const char* text);

}  // namespace ravel
