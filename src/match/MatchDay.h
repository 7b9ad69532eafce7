// The day's matches while the user plays his own: each Ball or Over press
// steps every computer match as far in match time as his step went;
// autoplay and the end of his day play them out to close of play.
#pragma once

namespace ravel {

class Match;

// Steps the match at a position of the current matches until close of play
// or its end. A match that reaches neither is stuck: it is logged and the
// result is false, rather than a loop without end.
bool PlayToCloseOfPlay(Match& match, int position);

// One step of every current match without a human side, against the time
// budget the user's step left; every match is marked as stepped. With
// topPerformers each one's started innings find their best players.
void StepComputerMatches(bool topPerformers);

// Every current match without a human side played through (not against the
// budget) to close of play or its end.
void PlayComputerMatchesToClose();

// The assistant plays the user's match to close of play or its end: the
// computer answers for his side meanwhile, then the side is his again. What
// happened meanwhile is not announced later.
void AutoplayMatch(Match& match);

// Announcements of the match view that nobody saw are dropped: milestones
// count as announced up to the runs made, the event flags are cleared.
void ForgetAnnouncements(Match& match);

// A match with a human side is in play today: neither over nor at close.
bool HumanMatchInPlay();

}  // namespace ravel
