#include "screens/menus/IntroScreen.h"

#include <iterator>

#include "season/Coaches.h"
#include "season/Squads.h"
#include "shell/Game.h"
#include "shell/platform/Sprite.h"
#include "shell/platform/System.h"
#include "world/Database.h"
#include "world/RecordsTable.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

int32_t CIntroScreen::s_step = INTRO_LOGO;
int32_t CIntroScreen::s_tickCounter = 0;
int32_t CIntroScreen::s_percent = 0;
const char* CIntroScreen::s_message = "";
CSprite* CIntroScreen::s_logo = nullptr;
CSprite* CIntroScreen::s_waiting = nullptr;

namespace {

constexpr char LOGO_FILE[] = "gfx\\pics\\logo.bmp";
constexpr char WAITING_FILE[] = "gfx\\pics\\logors.bmp";

void LoadRecordsTables() {
    static const char* const FILES[] = {"fcrecs.csv", "terecs.csv", "larecs.csv", "odrecs.csv"};
    g_world.mv_records.assign(std::size(FILES), RecordsTable());
    for (size_t k = 0; k < std::size(FILES); ++k) {
        g_world.mv_records[k].LoadCsv(FILES[k]);
        g_world.mv_records[k].m_kind = static_cast<int32_t>(k) + 1;
    }
}

void CompleteWorld() {
    TopUpTeamSquads();
    TopUpCountryPlayers();
    CreateMissingCoaches();
    InitTeamBudgets();
    SelectAllNationalSquads();
    LoadTournamentStages();
    FinishWorldLoad();
}

struct LoadStep {
    void (*work)();
    int32_t percent;
    const char* next;  // what loads after this step
};

// One per tick, in this order: later loaders rely on the tables before them.
const LoadStep LOAD_STEPS[] = {
    {LoadPlayers, 10, "Loading... teams database"},
    {LoadTeams, 15, "Loading... countries database"},
    {LoadCountries, 20, "Loading... grounds database"},
    {[] {
         LoadGrounds();
         LoadClimates();
     },
     25, "Loading... seasons database"},
    {LoadSeasons, 30, "Loading... staff database"},
    {LoadStaffMembers, 34, "Loading... competitions database"},
    {[] {
         LoadCompetitions();
         LoadInternationalTournaments();
         LoadTournamentAmendments();
     },
     40, "Loading... rounds database"},
    {LoadRounds, 45, "Loading... conditions database"},
    {LoadConditions, 50, "Loading... competitions history database"},
    {LoadCompetitionHistory, 55, "Loading... competition events database"},
    {LoadCompetitionEvents, 60, "Loading... injuries database"},
    {LoadInjuryTypes, 70, "Loading... tours database"},
    {LoadTours, 75, "Loading... test rankings database"},
    {LoadTestRankings, 80, "Loading... one day rankings database"},
    {[] {
         LoadOneDayRankings();
         LoadRecordsTables();
     },
     100, "Loading... fields database"},
    {[] {
         LoadFieldPositions();
         LoadFieldSetups();
         LoadBowlPlans();
     },
     100, "Loading... AI modules"},
    {nullptr, 100, "Loading... initialising game data"},
    {CompleteWorld, 100, nullptr},
};
static_assert(std::size(LOAD_STEPS) == INTRO_COMPLETE_WORLD + 1);

void LoadPictures() {
    CIntroScreen::s_logo = new CSprite();
    CIntroScreen::s_waiting = new CSprite();
    if (!CIntroScreen::s_logo->LoadFromFile(LOGO_FILE)) DebugLog("Intro: no %s", LOGO_FILE);
    if (!CIntroScreen::s_waiting->LoadFromFile(WAITING_FILE)) DebugLog("Intro: no %s", WAITING_FILE);
}

void FreePictures() {
    for (CSprite** sprite : {&CIntroScreen::s_logo, &CIntroScreen::s_waiting}) {
        if (!*sprite) continue;
        (*sprite)->Release();
        delete *sprite;
        *sprite = nullptr;
    }
}

// Where the loading message sits: above the bar, inside the logo's frame.
constexpr int BAR_LEFT = 449, BAR_TOP = 459, BAR_RIGHT = 851, BAR_BOTTOM = 471;

}  // namespace

void CIntroScreen::Enter() {
    g_game->mb_screenFrame = 0;
    // Nothing goes back to the intro.
    g_game->m_recordOnLeave = false;
    s_step = INTRO_LOGO;
    s_tickCounter = 0;
    s_percent = 0;
    s_message = "Loading... players database";
    FreePictures();
    LoadPictures();
}

void CIntroScreen::Update() {
    if (s_step != INTRO_LOGO || !g_system->mb_leftDown) return;
    s_step = 0;
    s_tickCounter = 0;
}

void CIntroScreen::Tick() {
    if (s_tickCounter >= 0) ++s_tickCounter;
    if (s_step == INTRO_LOGO && s_tickCounter > INTRO_LOGO_TICKS) {
        s_tickCounter = INTRO_COUNTER_STOPPED;
        s_step = 0;
    }
    if (s_step < 0) return;
    if (s_step <= INTRO_COMPLETE_WORLD) {
        const LoadStep& step = LOAD_STEPS[s_step];
        if (step.work) step.work();
        s_percent = step.percent;
        if (step.next) s_message = step.next;
    }
    ++s_step;
    if (s_step == INTRO_DONE) g_game->ChangeScreen(SCREEN_START_MENU);
}

void CIntroScreen::Render() {
    if (s_step < 0) {
        if (s_waiting) s_waiting->Draw(0, 0);
        return;
    }
    if (s_logo) s_logo->Draw(0, 0);
    g_system->FillRect(BAR_LEFT, BAR_TOP, BAR_RIGHT, BAR_BOTTOM, 0xffffffffu);
    g_system->FillRect(BAR_LEFT + 1, BAR_TOP + 1, BAR_RIGHT - 1, BAR_BOTTOM - 1, 0xff6f6f6fu);
    // One segment per percent point, darker green to brighter.
    for (int i = 0; i < s_percent; ++i) {
        const uint32_t green = static_cast<uint32_t>(i + 30) << 8;
        g_system->FillRect(450 + 4 * i, 460, 454 + 4 * i, 470, 0xff000000u | green);
    }
    if (s_step <= INTRO_COMPLETE_WORLD) {
        g_system->DrawText((BAR_LEFT + BAR_RIGHT) / 2, BAR_BOTTOM + 2, ALIGN_CENTRE, 0xffc8c8c8u,
                           g_game->m_fontTiny.get(), "%s", s_message);
    }
}

void CIntroScreen::Leave() {
    DebugLog("Intro: releasing its pictures");
    FreePictures();
}

void CIntroScreen::UnloadTextures() {
    for (CSprite* sprite : {s_logo, s_waiting}) {
        if (sprite) sprite->Release();
    }
}

void CIntroScreen::LoadTextures() {
    FreePictures();
    LoadPictures();
}

}  // namespace ravel
