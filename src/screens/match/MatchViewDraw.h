// Drawing of the live match view: the header (MatchViewRender.cpp), the
// scoreboard panel (ScoreboardDraw.cpp), the info panel's pages
// (InfoTabsDraw.cpp, ChartsDraw.cpp), the pitch and weather page with the
// other scores (ConditionsDraw.cpp) and the side panel (BatsmenPanelDraw.cpp).
// Each routine reads the match and the screen's state and redraws it all; the
// few fields it writes (bowler rows, ball scripts, scroll limits) are for
// Update. The text rules are here for the tests.
#pragma once

#include <cstdint>
#include <string>

#include "screens/menus/ScreenFrame.h"

namespace ravel {

class CFont;
class Match;
struct Innings;

// Colours of the match view.
inline constexpr int BOWLING_SCROLL_X = 999;  // the bowling rows' scroll bar
inline constexpr uint32_t MV_WHITE = 0xffffffffu;
inline constexpr uint32_t MV_YELLOW = 0xffffff00u;
inline constexpr uint32_t MV_ORANGE = 0xfff05a00u;
inline constexpr uint32_t MV_BLACK = 0xff000000u;
inline constexpr uint32_t MV_LIGHT_GREY = 0xffcdcdcdu;
inline constexpr uint32_t MV_GREY = 0xff9b9b9bu;
inline constexpr uint32_t MV_NOTE = 0xffcdcd00u;  // "No balls bowled" and the like
inline constexpr uint32_t MV_STRIPE_DARK = 0xff0a0a0au;
inline constexpr uint32_t MV_STRIPE_LIGHT = 0xff131313u;
inline constexpr uint32_t MV_NOT_OUT = 0xfffafa00u;
inline constexpr uint32_t MV_DISMISSED = 0xffdcdcdcu;
inline constexpr uint32_t MV_RED = 0xffff0000u;
inline constexpr uint32_t MV_GREEN = 0xff00ff00u;
inline constexpr uint32_t MV_BLUE = 0xff0000ffu;

// The game's fonts by height and weight.
CFont* Font21();  // regular
CFont* Font17Bold();
CFont* Font20Heavy();   // weight 800
CFont* Font32Italic();  // bold italic
CFont* Font14Bold();
CFont* Font18Bold();
CFont* Font15Italic();  // bold italic

// Text that must end before a right edge: the x it starts from (x, or
// further left so that it ends there); CutToWidth (screens/menus/ScreenFrame.h)
// cuts it when even that would pass the left limit.
int LeftWithin(CFont* font, const char* text, int x, int right);
// The player's surname; "" for no player.
const char* PlayerSurname(int32_t playerId);

// Header (MatchViewRender.cpp).
// "5 day match", "Rain stopped play, next inspection at 14:05" and the like;
// "" when there is nothing to say.
std::string PlayConditionText(const Match& match);
// "Tour Match", the series title or the competition's name; "" for the
// international events that have none.
std::string CompetitionLineText(const Match& match);
// "245/7" while fewer than ten wickets are down, else "245".
std::string ScoreText(const Innings& innings);
// A line (0 or 1) of the score board in the top-right corner: the side's
// name, or its short name where the name would run into the score, and the
// score ending at the board's right edge.
void DrawBoardLine(const char* name, const char* shortName, const char* score, int line, uint32_t colour);
// The Autoplay window's draw callback.
void DrawAutoplayNotice();

// Scoreboard panel.
void DrawScoreboardPanel(const Match& match);

// Info panel pages.
void DrawInfoTab(const Match& match);
// Runs a ball added to the total: its own runs, and one more for a no ball,
// a wide or a bye ball.
int BallTotalRuns(int32_t outcome, int32_t runs);
// Runs of an over of an innings, by its 0-based index: the per-over list
// where it has the over, else the sum of its balls.
int OverRuns(const Innings& innings, int over);
void DrawManhattan(const Match& match);
void DrawWorm(const Match& match);
void DrawCumulative(const Match& match);

// Pitch analysis, other scores and the condition icons.
void DrawBallAgeIcon(const Match& match, int x, int y);
void DrawTurnIcon(const Match& match, int x, int y);
void DrawBounceIcon(const Match& match, int x, int y);
void DrawWeatherIcon(const Match& match, int x, int y);
int WeatherIconOf(const Match& match);
void DrawPitchAnalysis(const Match& match);
void DrawOtherScores();
// "Test", "ODI", "Tour" or the competition's short name.
const char* OtherScoresLabel(const Match& match);

// Side panel.
void DrawBatsmenPanel(const Match& match);
// "Ultra Defensive" .. "All out attack"; "" above 100.
const char* AggressionLevelText(float aggression);
// Green above 70, amber above 45, else red: the side panel's and the
// selection window's fitness bars.
uint32_t FitnessColour(float energy);
// Boxes 0..4 of a batsman's confidence against a bowler.
bool ConfidenceBoxLit(float confidence, int box);

}  // namespace ravel
