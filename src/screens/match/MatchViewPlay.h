// Playing the user's match from the live match view: a step of the whole day
// per Ball or Over press, the engine's flags turned into pop-ups, and the
// answers of the view's buttons and windows.
#pragma once

#include <cstdint>

namespace ravel {

class Match;
struct MatchPlayer;

// One step of the day: the user's match, then every other match as far in
// match time; the play controls follow the state it stopped in.
void AdvanceMatches();
// The user's match stepped (twice on a day's first press, which prepares the
// day) and its flags raised as pop-ups in their fixed order.
void StepUserMatch();

// After "Over", once nothing holds play (a ball's clip has ended), the over
// plays on to its end; a pop-up, a stop of the match or the over's end
// finishes the run.
void ContinueOver();

// A break between innings, the match's end or close of play.
bool MatchStopped(const Match& match);
// In a stopped match only Continue goes on.
void SettleStoppedControls(const Match& match);
// The user's side declares; on the engine's yes only Continue goes on and
// "Innings declared" is raised.
bool DeclareFromView(Match& match);

// The key latches: a key acts once per press; its latch is armed on a tick on
// which it is up.
void ArmLatches();
bool TakeLatched(int latch);

// Update's parts (MatchViewDialogs.cpp): the open windows' answers, the card
// rows and name spots that open the player window, the side panel's buttons.
void ServeInfobox();
void ServeHighlightsWindow();
void ServeFollowOn();
void ServeSelectWindow();
void ServeHighlightsOptions();
void ServePlayerWindow();
void ServeCardRows();
void ServePanelButtons();

// The batsman's aggression against a bowler slot moved within 0..100; with
// same-for-all every bowler's value follows.
void ChangeAggression(MatchPlayer& batsman, int bowlerSlot, float change, bool sameForAll);

}  // namespace ravel
