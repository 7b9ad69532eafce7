// The side bar's competition menus, filled from the state of the world.
#pragma once

namespace ravel {

// Points the menus at the current coach's side (his club, else his country:
// CricketData::m_team) and fills "Competitions" with what that side plays
// in now, "World Cricket" with the championships, records, running tours and
// tournaments, and its domestic sub-menu with the domestic competitions.
// The Competitions button is disabled while its menu is empty.
void BuildCompetitionMenus();

}  // namespace ravel
