// The live match view's message pop-ups: a queue of small records, shown
// newest first one at a time in the infobox window and closed by its OK.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

enum InfoboxId : int32_t {
    INFOBOX_FALL_OF_WICKET = 1011,     // innings, batting position
    INFOBOX_PARTNERSHIP = 1012,        // innings, partnership index, milestone
    INFOBOX_BATTING_MILESTONE = 1013,  // innings, batting position
    INFOBOX_CHANGE_BOWLER = 1015,      // bowler slot, BOWLER_CHANGE_*
    INFOBOX_STARTING_BOWLERS = 1016,
    INFOBOX_DECLARED = 1018,
    INFOBOX_FOLLOW_ON = 1019,
    INFOBOX_CLOSE_OF_PLAY = 1020,
    INFOBOX_NEW_BALL_TAKEN = 1021,
    INFOBOX_NEW_BALL_AVAILABLE = 1022,
    INFOBOX_RAIN_OFF = 1031,
    INFOBOX_RAIN_INSPECTION = 1032,
    INFOBOX_RAIN_BACK_ON = 1033,
    INFOBOX_LIGHT_OFF = 1034,
    INFOBOX_LIGHT_INSPECTION = 1035,
    INFOBOX_LIGHT_BACK_ON = 1036,
    INFOBOX_FIELD_RESTRICTIONS = 1043,
    INFOBOX_MATCH_COMPLETED = 1044,
    INFOBOX_LUNCH = 10201,
    INFOBOX_TEA = 10202,
};

// Why a bowler must be changed.
inline constexpr int32_t BOWLER_CHANGE_OVER_LIMIT = 1;
inline constexpr int32_t BOWLER_CHANGE_WORN_OUT = 2;

struct Infobox {
    int32_t mi_id = 0;
    int32_t mi_args[3] = {};
    uint8_t mb_handled = 0;
};

// Queues a pop-up and shows it on top; the user's match waits (605) while
// one is up. Returns true.
bool LaunchInfobox(int32_t id, int32_t first = 0, int32_t second = 0, int32_t third = 0);
// The window's title for a pop-up, or nullptr for an id it does not know.
const char* InfoboxTitle(int32_t id);

// What the window shows of a pop-up, places measured from its top-left
// corner; read from the match as it stands.
enum InfoboxFont { INFO_FONT_TEXT, INFO_FONT_TITLE, INFO_FONT_HEADING };
struct InfoboxText {
    int x = 0, y = 0;
    int align = 1;  // ALIGN_LEFT or ALIGN_CENTRE
    uint32_t colour = 0;
    InfoboxFont font = INFO_FONT_TEXT;
    std::string text;
    bool wrapped = false;  // word-wrapped inside the window's margins
};
struct InfoboxBody {
    std::vector<InfoboxText> texts;
    int tile = -1;  // a picture of the game's tiles, or none
    int tileX = 0, tileY = 0;
};
class Match;
InfoboxBody ComposeInfobox(Match& match, const Infobox& box);
// The infobox window's draw callback: the title and body of the one on show.
void DrawInfobox();
// When the window's OK has been clicked: closes the one on show; once none is
// left, hides the window and opens a pending bowler or batsman choice.
void HandleInfoboxClick();
// Empties the queue; the window is left as it is.
void ClearInfoboxes();

}  // namespace ravel
