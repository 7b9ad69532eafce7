#include "screens/match/PreMatchScreen.h"

#include <algorithm>
#include <initializer_list>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "screens/menus/ScreenControls.h"
#include "season/PlayerIcons.h"
#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/platform/System.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using PM = CPreMatchScreen;

int32_t PM::s_toss = TOSS_NOT_MADE;
int32_t PM::s_choice = CHOICE_NOT_MADE;
CButton* PM::s_btnContinue = nullptr;
CButton* PM::s_btnMainMenu = nullptr;
CButton* PM::s_btnCoinToss = nullptr;
CButton* PM::s_btnBat = nullptr;
CButton* PM::s_btnBowl = nullptr;

namespace {

ScreenControls s_controls;

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t HEADING = 0xfff05a00;
constexpr int32_t CHOICE_TO_BAT = 1;  // the match's toss choice
constexpr int32_t CHOICE_TO_BOWL = 2;
constexpr int ROW_STEP = 25;

enum FirstState { ENABLED, DISABLED, HIDDEN };

struct ButtonEntry {
    CButton** slot;
    const char* caption;
    int x, y, width;
    FirstState state;
};
constexpr ButtonEntry BUTTONS[] = {
    {&PM::s_btnContinue, "Continue", 895, 720, 110, DISABLED},
    {&PM::s_btnMainMenu, "Main Menu", 20, 720, 110, DISABLED},
    {&PM::s_btnCoinToss, "Coin Toss", 650, 640, 220, ENABLED},
    {&PM::s_btnBat, "Bat", 590, 640, 140, HIDDEN},
    {&PM::s_btnBowl, "Bowl", 790, 640, 140, HIDDEN},
};

void Draw(int tile, int x, int y) {
    if (CSprite* sprite = g_game->Tile(tile)) sprite->Draw(x, y);
}

// The side's eleven with their role icons; "*" the captain, "+" the keeper.
void DrawEleven(const Match& match, const MatchTeam& side, int iconX, int nameX) {
    const int innings = Match::InningsIndex(match.mi_currentInnings);
    const int captain = side.OrderSlotA(innings);
    const int keeper = side.KeeperSlot(innings);
    for (int k = 0; k < SQUAD_SIZE; ++k) {
        const int32_t id = side.m_players[k].mi_player;
        const Player* player = id >= 0 ? PlayerById(id) : nullptr;
        if (!player) continue;
        Draw(k == keeper ? PlayerRoleIconWithKeeper(id) : PlayerRoleIcon(id), iconX, 242 + ROW_STEP * k);
        const char* format = k == captain && k == keeper ? "*+%s %s"
                             : k == captain              ? "*%s %s"
                             : k == keeper               ? "+%s %s"
                                                         : "%s %s";
        g_system->DrawText(nameX, 240 + ROW_STEP * k, ALIGN_LEFT, WHITE, g_game->m_fontText.get(), format,
                           player->m_initials, player->m_surname);
    }
}

void DrawConditions(const Match& match) {
    CFont* text = g_game->m_fontText.get();
    g_system->DrawText(252, 150, ALIGN_CENTRE, HEADING, g_game->m_fontHeading.get(),
                       "Pitch and Weather conditions");
    g_system->DrawTextInRect(70, 200, 480, 300, ALIGN_LEFT, WHITE, text, "%s",
                             PitchBounceText(match.mf_bounce));
    g_system->DrawTextInRect(70, 310, 480, 410, ALIGN_LEFT, WHITE, text, "%s", PitchTurnText(match.mf_turn));
    Draw(PitchBounceIcon(match.mf_bounce), 20, 200);
    Draw(PitchTurnIcon(match.mf_turn), 20, 310);
    const Ground* ground = GroundById(match.mi_ground);
    if (!ground) return;
    g_system->DrawTextInRect(70, 420, 480, 520, ALIGN_LEFT, WHITE, text, "%s",
                             WeatherText(WeatherCode(*ground, match.mi_weatherRoll)));
    if (match.mi_condition == CONDITION_PLAY) {
        Draw(WeatherIcon(*ground, match.mi_weatherRoll, false), 20, 420);
    } else {
        Draw(RainIcon(match.mf_rainLevel), 20, 420);
    }
}

void DrawToss(const Match& match) {
    CFont* text = g_game->m_fontText.get();
    if (PM::s_toss == TOSS_NOT_MADE) {
        g_system->DrawText(760, 600, ALIGN_CENTRE, WHITE, text,
                           "The captains are ready and the toss is about to take place.");
        return;
    }
    const int32_t winner = PM::s_toss == TOSS_SECOND_TEAM ? match.mi_team2 : match.mi_team1;
    g_system->DrawText(760, 600, ALIGN_CENTRE, WHITE, text, "%s have won the toss", match.TeamName(winner));
    if (PM::s_choice == CHOICE_NOT_MADE) return;
    const MatchTeam& side = match.SideOf(winner);
    const int32_t captain = side.m_players[std::clamp(side.OrderSlotA(0), 0, SQUAD_SIZE - 1)].mi_player;
    const Player* player = PlayerById(captain);
    g_system->DrawText(760, 640, ALIGN_CENTRE, WHITE, text,
                       PM::s_choice == CHOICE_BAT ? "Their captain %s %s has chosen to bat first"
                                                  : "Their captain %s %s has chosen to bowl first",
                       player ? player->m_initials : "", player ? player->m_surname : "");
}

// The winner's choice is his side's to make when a human coaches it.
void Choose(Match& match, int32_t choice) {
    match.mi_tossChoice = choice;
    PM::s_choice = choice == CHOICE_TO_BAT ? CHOICE_BAT : CHOICE_BOWL;
    PM::s_btnBat->mb_visible = 0;
    PM::s_btnBowl->mb_visible = 0;
    PM::s_btnContinue->mb_disabled = 0;
    if (match.SideIsHuman(match.mi_tossWinner)) match.DecideToss();
    PM::s_btnMainMenu->mb_disabled = 0;
}

// The toss of a match that has had one stands: tossing again would start its
// first innings afresh.
void Toss(Match& match) {
    PM::s_btnCoinToss->m_state = STATE_NORMAL;
    PM::s_btnCoinToss->mb_visible = 0;
    const bool tossed = match.mi_tossWinner >= 1 && match.mi_tossChoice > 0 && match.mi_battingFirst != 0;
    if (!tossed) match.DecideToss();
    PM::s_toss = match.mi_tossWinner == match.mi_team2 ? TOSS_SECOND_TEAM : TOSS_FIRST_TEAM;
    if (tossed || !match.SideIsHuman(match.mi_tossWinner)) {
        PM::s_choice = match.mi_tossChoice == CHOICE_TO_BAT ? CHOICE_BAT : CHOICE_BOWL;
        PM::s_btnMainMenu->mb_disabled = 0;
        PM::s_btnCoinToss->Disable();
        PM::s_btnContinue->mb_disabled = 0;
        return;
    }
    PM::s_btnCoinToss->Disable();
    for (CButton* b : {PM::s_btnBat, PM::s_btnBowl}) {
        b->mb_visible = 1;
        b->mb_disabled = 0;
    }
}

}  // namespace

void CPreMatchScreen::Enter() {
    s_toss = TOSS_NOT_MADE;
    s_choice = CHOICE_NOT_MADE;
    g_game->m_screenMode = SCREEN_MODE_FULL;
    g_game->mb_screenFrame = 0;
    g_game->m_recordOnLeave = false;
    s_controls.Begin();
    for (const ButtonEntry& b : BUTTONS) {
        *b.slot = s_controls.Add<CButton>(b.x, b.y, b.width, 30, b.caption);
        if (b.state == DISABLED) (*b.slot)->Disable();
        if (b.state == HIDDEN) {
            (*b.slot)->Disable();
            (*b.slot)->mb_visible = 0;
        }
    }
    // A custom game has no main menu to go back to.
    if (g_cricket.m_gameMode == MODE_CUSTOM_TOUR || g_cricket.m_gameMode == MODE_CUSTOM_LEAGUE)
        s_btnMainMenu->mb_visible = 0;
}

void CPreMatchScreen::Leave() {
    s_controls.Free();
    for (const ButtonEntry& b : BUTTONS) *b.slot = nullptr;
}

void CPreMatchScreen::Tick() {
    Match* match = UserMatch();
    if (!match || !s_btnCoinToss) return;
    if (TakeClick(s_btnCoinToss)) Toss(*match);
    if (TakeClick(s_btnBat)) Choose(*match, CHOICE_TO_BAT);
    if (TakeClick(s_btnBowl)) Choose(*match, CHOICE_TO_BOWL);
    if (TakeClick(s_btnContinue)) {
        ChangeScreen(SCREEN_MATCH_VIEW);
    } else if (TakeClick(s_btnMainMenu)) {
        ChangeScreen(SCREEN_NEWS);
    }
}

void CPreMatchScreen::Render() {
    CGame& game = *g_game;
    game.m_background.Draw(0, 0);
    game.m_topBarMatch.Draw(0, 0);
    game.m_bottomBar.Draw(0, 704);
    g_system->ShadeRect(5, 103, 498, 695);
    g_system->ShadeRect(500, 103, 1019, 695);
    Match* match = UserMatch();
    if (match) {
        CFont* text = game.m_fontText.get();
        g_system->DrawText(10, 10, ALIGN_LEFT, WHITE, text, "%s", match->m_clock.DateText().c_str());
        g_system->DrawText(10, 30, ALIGN_LEFT, WHITE, text, "%s", match->m_clock.ClockText().c_str());
        char home[64];
        CopyText(home, sizeof home, match->TeamName(match->mi_team1));
        g_system->DrawText(512, 15, ALIGN_CENTRE, WHITE, game.m_fontTitle.get(), "%s vs %s", home,
                           match->TeamName(match->mi_team2));
        g_system->DrawText(512, 50, ALIGN_CENTRE, WHITE, game.m_fontTiny.get(), "%s",
                           MatchTitle(*match).c_str());
        const Ground* ground = GroundById(match->mi_ground);
        if (ground)
            g_system->DrawText(512, 70, ALIGN_CENTRE, WHITE, game.m_fontTiny.get(), "%s", ground->m_name);
        g_system->DrawText(600, 190, ALIGN_LEFT, WHITE, text, "%s", match->TeamName(match->mi_team1));
        g_system->DrawText(800, 190, ALIGN_LEFT, WHITE, text, "%s", match->TeamName(match->mi_team2));
        g_system->DrawText(759, 150, ALIGN_CENTRE, HEADING, game.m_fontHeading.get(), "The Teams");
        g_system->DrawText(759, 570, ALIGN_CENTRE, HEADING, game.m_fontHeading.get(), "The Toss");
        DrawEleven(*match, match->m_team1, 570, 600);
        DrawEleven(*match, match->m_team2, 770, 800);
        DrawConditions(*match);
        DrawToss(*match);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
