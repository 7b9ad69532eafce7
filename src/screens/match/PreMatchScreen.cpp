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

namespace {

constexpr uint32_t WHITE = 0xffffffff;
constexpr uint32_t HEADING = 0xfff05a00;
constexpr int32_t CHOICE_TO_BAT = 1;  // the match's toss choice
constexpr int32_t CHOICE_TO_BOWL = 2;
constexpr int ROW_STEP = 25;

enum FirstState { ENABLED, DISABLED, HIDDEN };

struct ButtonEntry {
    CButton* PM::*slot;
    const char* caption;
    int x, y, width;
    FirstState state;
};
constexpr ButtonEntry BUTTONS[] = {
    {&PM::m_btnContinue, "Continue", 895, 720, 110, DISABLED},
    {&PM::m_btnMainMenu, "Main Menu", 20, 720, 110, DISABLED},
    {&PM::m_btnCoinToss, "Coin Toss", 650, 640, 220, ENABLED},
    {&PM::m_btnBat, "Bat", 590, 640, 140, HIDDEN},
    {&PM::m_btnBowl, "Bowl", 790, 640, 140, HIDDEN},
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

}  // namespace

void PM::DrawToss(const Match& match) const {
    CFont* text = g_game->m_fontText.get();
    if (mi_toss == TOSS_NOT_MADE) {
        g_system->DrawText(760, 600, ALIGN_CENTRE, WHITE, text,
                           "The captains are ready and the toss is about to take place.");
        return;
    }
    const int32_t winner = mi_toss == TOSS_SECOND_TEAM ? match.mi_team2 : match.mi_team1;
    g_system->DrawText(760, 600, ALIGN_CENTRE, WHITE, text, "%s have won the toss", match.TeamName(winner));
    if (mi_choice == CHOICE_NOT_MADE) return;
    const MatchTeam& side = match.SideOf(winner);
    const int32_t captain = side.m_players[std::clamp(side.OrderSlotA(0), 0, SQUAD_SIZE - 1)].mi_player;
    const Player* player = PlayerById(captain);
    g_system->DrawText(760, 640, ALIGN_CENTRE, WHITE, text,
                       mi_choice == CHOICE_BAT ? "Their captain %s %s has chosen to bat first"
                                               : "Their captain %s %s has chosen to bowl first",
                       player ? player->m_initials : "", player ? player->m_surname : "");
}

// The winner's choice is his side's to make when a human coaches it.
void PM::Choose(Match& match, int32_t choice) {
    match.mi_tossChoice = choice;
    mi_choice = choice == CHOICE_TO_BAT ? CHOICE_BAT : CHOICE_BOWL;
    m_btnBat->mb_visible = 0;
    m_btnBowl->mb_visible = 0;
    m_btnContinue->mb_disabled = 0;
    if (match.SideIsHuman(match.mi_tossWinner)) match.DecideToss();
    m_btnMainMenu->mb_disabled = 0;
}

// The toss of a match that has had one stands: tossing again would start its
// first innings afresh.
void PM::Toss(Match& match) {
    m_btnCoinToss->m_state = STATE_NORMAL;
    m_btnCoinToss->mb_visible = 0;
    const bool tossed = match.mi_tossWinner >= 1 && match.mi_tossChoice > 0 && match.mi_battingFirst != 0;
    if (!tossed) match.DecideToss();
    mi_toss = match.mi_tossWinner == match.mi_team2 ? TOSS_SECOND_TEAM : TOSS_FIRST_TEAM;
    if (tossed || !match.SideIsHuman(match.mi_tossWinner)) {
        mi_choice = match.mi_tossChoice == CHOICE_TO_BAT ? CHOICE_BAT : CHOICE_BOWL;
        m_btnMainMenu->mb_disabled = 0;
        m_btnCoinToss->Disable();
        m_btnContinue->mb_disabled = 0;
        return;
    }
    m_btnCoinToss->Disable();
    for (CButton* b : {m_btnBat, m_btnBowl}) {
        b->mb_visible = 1;
        b->mb_disabled = 0;
    }
}

void CPreMatchScreen::Enter() {
    mi_toss = TOSS_NOT_MADE;
    mi_choice = CHOICE_NOT_MADE;
    g_game->m_screenMode = SCREEN_MODE_FULL;
    g_game->mb_screenFrame = 0;
    g_game->m_recordOnLeave = false;
    m_controls.Begin();
    for (const ButtonEntry& b : BUTTONS) {
        this->*b.slot = m_controls.Add<CButton>(b.x, b.y, b.width, 30, b.caption);
        if (b.state == DISABLED) (this->*b.slot)->Disable();
        if (b.state == HIDDEN) {
            (this->*b.slot)->Disable();
            (this->*b.slot)->mb_visible = 0;
        }
    }
    // A custom game has no main menu to go back to.
    if (g_cricket.m_gameMode == MODE_CUSTOM_TOUR || g_cricket.m_gameMode == MODE_CUSTOM_LEAGUE)
        m_btnMainMenu->mb_visible = 0;
}

void CPreMatchScreen::Leave() {
    m_controls.Free();
    for (const ButtonEntry& b : BUTTONS) this->*b.slot = nullptr;
}

void CPreMatchScreen::Tick() {
    Match* match = UserMatch();
    if (!match || !m_btnCoinToss) return;
    if (TakeClick(m_btnCoinToss)) Toss(*match);
    if (TakeClick(m_btnBat)) Choose(*match, CHOICE_TO_BAT);
    if (TakeClick(m_btnBowl)) Choose(*match, CHOICE_TO_BOWL);
    if (TakeClick(m_btnContinue)) {
        ChangeScreen(SCREEN_MATCH_VIEW);
    } else if (TakeClick(m_btnMainMenu)) {
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
