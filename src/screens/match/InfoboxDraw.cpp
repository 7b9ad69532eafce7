// The infobox window's title and body, read from the user's match as it
// stands when the window is drawn.
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/match/Infobox.h"
#include "screens/match/MatchViewScreen.h"
#include "shell/Game.h"
#include "shell/gui/Dialog.h"
#include "shell/platform/System.h"
#include "world/World.h"

namespace ravel {

using MV = CMatchViewScreen;

namespace {

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t YELLOW = 0xffffff00;
constexpr int MIDDLE = 270;  // centre of the window's width
constexpr int WRAP_LEFT = 20, WRAP_TOP = 35, WRAP_RIGHT_MARGIN = 20, WRAP_BOTTOM_MARGIN = 30;

// The rain pictures change with the rain level.

struct Title {
    int32_t id;
    const char* text;
};
constexpr Title TITLES[] = {
    {INFOBOX_FALL_OF_WICKET, "Fall of Wicket"},
    {INFOBOX_BATTING_MILESTONE, "Batting Achievement"},
    {INFOBOX_PARTNERSHIP, "Partnership"},
    {INFOBOX_CHANGE_BOWLER, "Change of bowler required"},
    {INFOBOX_STARTING_BOWLERS, "Starting bowlers"},
    {INFOBOX_DECLARED, "Innings declared"},
    {INFOBOX_FOLLOW_ON, "Follow on enforced"},
    {INFOBOX_LUNCH, "Lunch"},
    {INFOBOX_TEA, "Tea"},
    {INFOBOX_CLOSE_OF_PLAY, "Close of play"},
    {INFOBOX_RAIN_OFF, "Rain - Off"},
    {INFOBOX_RAIN_INSPECTION, "Rain - Inspection"},
    {INFOBOX_RAIN_BACK_ON, "Rain - Back On"},
    {INFOBOX_LIGHT_OFF, "Bad Light - Off"},
    {INFOBOX_LIGHT_INSPECTION, "Bad Light - Inspection"},
    {INFOBOX_LIGHT_BACK_ON, "Bad Light - Back On"},
    {INFOBOX_NEW_BALL_TAKEN, "New ball has been taken"},
    {INFOBOX_NEW_BALL_AVAILABLE, "New ball now available"},
    {INFOBOX_FIELD_RESTRICTIONS, "Fielding restrictions"},
    {INFOBOX_MATCH_COMPLETED, "Match Completed"},
};

class Composer {
public:
    void Text(int x, int y, int align, uint32_t colour, InfoboxFont font, const char* format, ...)
        __attribute__((format(printf, 7, 8))) {
        char buffer[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof buffer, format, args);
        va_end(args);
        InfoboxText& t = m_body.texts.emplace_back();
        t.x = x;
        t.y = y;
        t.align = align;
        t.colour = colour;
        t.font = font;
        t.text = buffer;
    }
    void Left(int x, int y, uint32_t colour, const char* text) {
        Text(x, y, ALIGN_LEFT, colour, INFO_FONT_TEXT, "%s", text);
    }
    void Centre(int x, int y, uint32_t colour, const char* text) {
        Text(x, y, ALIGN_CENTRE, colour, INFO_FONT_TEXT, "%s", text);
    }
    void Wrapped(const char* text) {
        Left(WRAP_LEFT, WRAP_TOP, WHITE, text);
        m_body.texts.back().wrapped = true;
    }
    void Picture(int x, int y, int tile) {
        m_body.tile = tile;
        m_body.tileX = x;
        m_body.tileY = y;
    }
    InfoboxBody Take() { return std::move(m_body); }

private:
    InfoboxBody m_body;
};

const char* Surname(int32_t playerId) {
    const Player* player = PlayerById(playerId);
    return player ? player->m_surname : "";
}

const char* Initials(int32_t playerId) {
    const Player* player = PlayerById(playerId);
    return player ? player->m_initials : "";
}

int32_t BowlerAt(const Innings& innings, int slot) {
    return slot >= 0 && slot < SQUAD_SIZE ? innings.m_bowlers[slot].mi_player : -1;
}

void Dismissal(Composer& body, const Innings& innings, const BatsmanFigures& b) {
    const char* bowler = Surname(BowlerAt(innings, b.mi_bowler));
    const char* fielder = Surname(b.mi_fielder);
    constexpr int X = 30, Y = 75;
    switch (b.mi_howOut) {
        case HOWOUT_BATTING:
            return body.Left(X, Y, YELLOW, "not out");
        case HOWOUT_BOWLED:
            return body.Text(X, Y, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "b %s", bowler);
        case HOWOUT_CAUGHT:
            return body.Text(X, Y, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "c %s b %s", fielder, bowler);
        case HOWOUT_LBW:
            return body.Text(X, Y, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "lbw b %s", bowler);
        case HOWOUT_STUMPED:
            return body.Text(X, Y, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "st %s b %s", fielder, bowler);
        case HOWOUT_RUN_OUT:
            return body.Text(X, Y, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "run out %s", fielder);
        default:
            return;
    }
}

// A batsman's innings: the fall of his wicket, or a milestone, "not out".
void BatsmanBox(Composer& body, const Match& match, const Infobox& box, bool milestone) {
    const int position = box.mi_args[1];
    if (position < 0 || position >= SQUAD_SIZE) return;
    const Innings& innings = match.m_innings[Match::InningsIndex(box.mi_args[0])];
    const BatsmanFigures& b = innings.m_batsmen[position];
    body.Text(30, 35, ALIGN_LEFT, WHITE, INFO_FONT_TITLE, "%s %s", Initials(b.mi_player),
              Surname(b.mi_player));
    if (milestone)
        body.Left(30, 75, YELLOW, "not out");
    else
        Dismissal(body, innings, b);
    body.Text(400, 35, ALIGN_LEFT, WHITE, INFO_FONT_TITLE, "%d", BatsmanRuns(b));
    body.Text(110, 120, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Balls: %d", b.Balls());
    body.Text(220, 120, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Mins: %d", b.mi_seconds / 60);
    body.Text(330, 120, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Fours: %d", b.mi_scored[4]);
    body.Text(440, 120, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Sixes: %d", b.mi_scored[6]);
}

// The partnership and the milestone the box was raised for.
void PartnershipBox(Composer& body, const Match& match, const Infobox& box) {
    const int index = box.mi_args[1];
    if (index < 0 || index >= SQUAD_SIZE) return;
    const Partnership& p = match.m_innings[Match::InningsIndex(box.mi_args[0])].m_partnerships[index];
    body.Text(MIDDLE, 30, ALIGN_CENTRE, WHITE, INFO_FONT_TEXT, "%d Partnership", box.mi_args[2]);
    body.Text(MIDDLE, 75, ALIGN_CENTRE, WHITE, INFO_FONT_TEXT, "%d runs from %d balls", p.Runs(), p.Balls());
    for (int k = 0; k < 2; ++k) {
        const int x = k == 0 ? 100 : 440;
        body.Centre(x, 35, WHITE, Surname(p.mi_player[k]));
        body.Text(x, 62, ALIGN_CENTRE, WHITE, INFO_FONT_TEXT, "%d runs", p.BatsmanRuns(k));
        body.Text(x, 85, ALIGN_CENTRE, WHITE, INFO_FONT_TEXT, "%d balls", p.BatsmanBalls(k));
    }
}

void ChangeBowlerBox(Composer& body, const Match& match, const Infobox& box) {
    body.Centre(MIDDLE, 30, WHITE, "You are required to select a new bowler");
    if (box.mi_args[1] == BOWLER_CHANGE_OVER_LIMIT)
        body.Text(MIDDLE, 50, ALIGN_CENTRE, YELLOW, INFO_FONT_TEXT,
                  "Current bowler has reached %d over limit", match.OverLimit());
    else if (box.mi_args[1] == BOWLER_CHANGE_WORN_OUT)
        body.Centre(MIDDLE, 50, YELLOW, "Current bowler is worn out");
    const int slot = box.mi_args[0];
    if (slot < 0 || slot >= SQUAD_SIZE) return;
    const BowlerFigures& f = match.CurrentInnings().m_bowlers[slot];
    body.Centre(MIDDLE, 70, YELLOW, Surname(f.mi_player));
    body.Text(MIDDLE, 90, ALIGN_CENTRE, YELLOW, INFO_FONT_TEXT, "%d-%d-%d-%d", f.Overs(), f.mi_maidens,
              f.mi_runs, f.mi_wickets);
}

void StartingBowlersBox(Composer& body, const Match& match) {
    const Innings& innings = match.CurrentInnings();
    body.Text(MIDDLE, 30, ALIGN_CENTRE, WHITE, INFO_FONT_TEXT, "%s and %s are set to open the attack today",
              Surname(BowlerAt(innings, match.mi_bowler1)), Surname(BowlerAt(innings, match.mi_bowler2)));
}

// Lunch, tea and close of play, with the figures of the session.
void BreakBox(Composer& body, Match& match, const char* format) {
    body.Text(20, 35, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, format, match.mi_dayIndex + 1);
    const PlaySession& s = match.CurrentSession();
    body.Text(20, 60, ALIGN_LEFT, WHITE, INFO_FONT_HEADING, "Session Stats");
    if (s.Balls() == 0)
        body.Text(20, 80, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Overs: %d", s.Overs());
    else
        body.Text(20, 80, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Overs: %d.%d", s.Overs(), s.Balls());
    body.Text(120, 80, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Runs: %d", s.mi_runs);
    body.Text(220, 80, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Wickets: %d", s.mi_wickets);
    const double rate = s.RunRate();
    if (rate != -1.0) body.Text(320, 80, ALIGN_LEFT, WHITE, INFO_FONT_TEXT, "Run Rate: %2.2f", rate);
}

void BackOnBox(Composer& body) {
    body.Left(20, 35, YELLOW, "The players are back on");
    body.Text(20, 65, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "They were off the field for %d minutes",
              g_lostMinutes);
    if (g_lostOvers < 1)
        body.Left(20, 85, YELLOW, "No overs have been lost");
    else
        body.Text(20, 85, ALIGN_LEFT, YELLOW, INFO_FONT_TEXT, "%d overs have been lost", g_lostOvers);
}

void Compose(Composer& body, Match& match, const Infobox& box) {
    switch (box.mi_id) {
        case INFOBOX_FALL_OF_WICKET:
            return BatsmanBox(body, match, box, false);
        case INFOBOX_BATTING_MILESTONE:
            return BatsmanBox(body, match, box, true);
        case INFOBOX_PARTNERSHIP:
            return PartnershipBox(body, match, box);
        case INFOBOX_CHANGE_BOWLER:
            return ChangeBowlerBox(body, match, box);
        case INFOBOX_STARTING_BOWLERS:
            return StartingBowlersBox(body, match);
        case INFOBOX_DECLARED:
            return body.Centre(MIDDLE, 30, WHITE, "The innings has been declared");
        case INFOBOX_FOLLOW_ON:
            return body.Left(20, 35, WHITE, "The follow on has been enforced");
        case INFOBOX_LUNCH:
            return BreakBox(body, match, "Lunch on day %d");
        case INFOBOX_TEA:
            return BreakBox(body, match, "Tea on day %d");
        case INFOBOX_CLOSE_OF_PLAY:
            return BreakBox(body, match, "Close of play on day %d");
        case INFOBOX_RAIN_OFF:
            body.Left(20, 35, YELLOW, "The players have gone off for rain");
            return body.Picture(360, 35, RainIcon(match.mf_rainLevel));
        case INFOBOX_RAIN_INSPECTION:
            return body.Left(20, 35, YELLOW, "The umpires are inspecting the pitch");
        case INFOBOX_RAIN_BACK_ON:
        case INFOBOX_LIGHT_BACK_ON:
            return BackOnBox(body);
        case INFOBOX_LIGHT_OFF:
            return body.Left(20, 35, YELLOW, "The players have gone off bad light");
        case INFOBOX_LIGHT_INSPECTION:
            return body.Left(20, 35, YELLOW, "The umpires are inspecting the light conditions");
        case INFOBOX_NEW_BALL_TAKEN:
            return body.Left(20, 35, WHITE, "The fielding side has taken the new ball.");
        case INFOBOX_NEW_BALL_AVAILABLE:
            return body.Left(20, 35, WHITE, "A new ball is now available.");
        case INFOBOX_FIELD_RESTRICTIONS:
            return body.Left(20, 35, WHITE, "Current field setting does not comply with the field settings.");
        case INFOBOX_MATCH_COMPLETED:
            return body.Wrapped(match.ResultText().c_str());
        default:
            return;
    }
}

CFont* FontOf(InfoboxFont font) {
    switch (font) {
        case INFO_FONT_TITLE:
            return g_game->m_fontTitle.get();
        case INFO_FONT_HEADING:
            return g_game->m_fontHeading.get();
        default:
            return g_game->m_fontText.get();
    }
}

void Draw(const CDialog& window, const InfoboxBody& body) {
    const int x0 = window.m_x, y0 = window.m_y;
    for (const InfoboxText& t : body.texts) {
        if (t.wrapped) {
            g_system->DrawTextInRect(x0 + t.x, y0 + t.y, x0 + window.m_width - WRAP_RIGHT_MARGIN,
                                     y0 + window.m_height - WRAP_BOTTOM_MARGIN, t.align, t.colour,
                                     FontOf(t.font), "%s", t.text.c_str());
        } else {
            g_system->DrawText(x0 + t.x, y0 + t.y, t.align, t.colour, FontOf(t.font), "%s", t.text.c_str());
        }
    }
    const auto& tiles = g_game->mv_tiles;
    if (body.tile >= 0 && body.tile < static_cast<int>(tiles.size()) && tiles[body.tile])
        tiles[body.tile]->Draw(x0 + body.tileX, y0 + body.tileY);
}

}  // namespace

const char* InfoboxTitle(int32_t id) {
    for (const Title& t : TITLES) {
        if (t.id == id) return t.text;
    }
    return nullptr;
}

InfoboxBody ComposeInfobox(Match& match, const Infobox& box) {
    Composer body;
    Compose(body, match, box);
    return body.Take();
}

void DrawInfobox() {
    CDialog* window = MatchView().m_ui.infobox.window;
    if (!window) return;
    const auto& queue = MatchView().mv_infoboxes;
    if (queue.empty()) {
        window->SetCaption("Error");
        return;
    }
    const int current = MatchView().mv_infoboxCurrent;
    if (current < 0 || current >= static_cast<int>(queue.size())) return;
    const Infobox& box = queue[current];
    const char* title = InfoboxTitle(box.mi_id);
    if (!title) return;
    window->SetCaption(title);
    if (Match* match = UserMatch()) Draw(*window, ComposeInfobox(*match, box));
}

}  // namespace ravel
