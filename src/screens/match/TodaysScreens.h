// Screens 113 and 114: today's fixtures (before play, the fixtures starting
// today or the matches in progress) and today's scoreboard (after play, the
// day's scores), each filtered by region. The lists themselves are built by
// the logic (season/TodaysLists.h); TodaysRows.cpp draws what both share.
#pragma once

#include <cstdint>
#include <string>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CScrollBar;
class Match;

inline constexpr int SCOREBOARD_ROW_SPOTS = 10;

class CTodaysFixturesScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    // Rebuilds the list in a mode with the current filter and fits the
    // scroll bar.
    void Rebuild(int32_t mode);

    // Made by Enter, freed by Leave.
    CButton* m_startingToday = nullptr;
    CButton* m_inProgress = nullptr;
    CHotSpot* m_profile = nullptr;
    CComboBox* m_filter = nullptr;
    CScrollBar* m_scroll = nullptr;

private:
    ScreenControls m_controls;

    void ChooseFilter();
};

class CTodaysScoreboardScreen : public CScreen {
public:
    void Enter() override;
    void Update() override;
    void Render() override;
    void Leave() override;
    void Rebuild(int32_t filter);
    // The day's balls of the human sides' matches that the highlight filters
    // pass become the highlights list.
    static void CollectHighlights();

    // Made by Enter, freed by Leave.
    CHotSpot* m_rows[SCOREBOARD_ROW_SPOTS] = {};
    CHotSpot* m_profile = nullptr;
    CComboBox* m_filter = nullptr;
    CScrollBar* m_scroll = nullptr;

private:
    ScreenControls m_controls;
    // F2, F3 and F4 act once per press.
    bool m_keyWasDown[3] = {};

    bool Pressed(int index, int key);
    void HighlightKeys();
    void PlaceRow(int position, int top, int bottom, bool cut);
    void DrawBlocks(int first);
    void ChooseFilter();
};

// Shared by both screens (TodaysRows.cpp).
class CFont;
void TodaysText(int x, int y, uint32_t colour, CFont* font, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
// The filter drop-down's items: all games, international, the ten
// countries, the user's region.
void AddFilterItems(CComboBox& combo);
// The caption of a chosen filter; `international` names filter -1.
const char* FilterCaption(int32_t filter, const char* international);
// The heading of a competition's rows, "" where there is none.
std::string CompetitionHeading(int32_t competition);
// A ground's short description ("Town").
const char* GroundShortText(int32_t groundId);
// The sides' innings lines of a match from y; the y after them.
int DrawInningsLines(const Match& match, int y);
// The weather icon of a ground for today.
void DrawGroundWeather(int32_t groundId, int x, int y);
// The panels, frame bars at the clock, coach's name, title and today's date.
void DrawTodaysFrame(const char* title, const char* clock);
// Both screens name each started innings' top batsman and bowler.
void FindTodaysTopPerformers();

}  // namespace ravel
