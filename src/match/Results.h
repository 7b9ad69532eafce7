// What the day machine does with a match at the end of a day.
#pragma once

namespace ravel {

// A finished match at this position of the current matches writes its
// result into its fixture; a match that goes on keeps everything for tomorrow.
void FinishMatch(int position);

}  // namespace ravel
