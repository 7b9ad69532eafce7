#include "screens/menus/ScreenTable.h"

#include <cstddef>
#include <iterator>

#include "screens/match/GroundView.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchPlayerScreen.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/PreMatchScreen.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TodaysScreens.h"
#include "screens/menus/AutoSimScreen.h"
#include "screens/menus/CompetitionMenus.h"
#include "screens/menus/CompetitionScreen.h"
#include "screens/menus/CustomLeagueScreens.h"
#include "screens/menus/CustomTourScreen.h"
#include "screens/menus/IntroScreen.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NetworkGameScreen.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/RecordsScreen.h"
#include "screens/menus/SeriesOverviewScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "screens/team/CoachProfileScreen.h"
#include "screens/team/ContractScreen.h"
#include "screens/team/CountryScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "screens/team/PlayerSearchScreen.h"
#include "screens/team/TeamScreen.h"
#include "screens/team/TopRatedScreen.h"
#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "world/Services.h"

namespace ravel {

namespace {

// Each screen's controls. A screen that has its own list replaces its entry
// here with it; the intro screen has none.
ControlList s_lists[27];

// Render, Update, Tick, Enter, Leave, UnloadTextures, LoadTextures; a null
// slot is the empty callback. Screens still to come have every slot empty.
struct ScreenRow {
    int32_t id;
    int32_t mode;
    ScreenCallback render, update, tick, enter, leave, unloadTextures, loadTextures;
    bool controls;
};

constexpr int F = SCREEN_MODE_FULL;
constexpr int S = SCREEN_MODE_FRAMED;

// In registration order.
constexpr ScreenRow SCREENS[] = {
    {SCREEN_MATCH_VIEW, S, CMatchViewScreen::Render, CMatchViewScreen::Update, CMatchViewScreen::Tick,
     CMatchViewScreen::Enter, CMatchViewScreen::Leave, CMatchViewScreen::UnloadTextures,
     CMatchViewScreen::LoadTextures, true},
    {SCREEN_TEAM, S, CTeamScreen::Render, CTeamScreen::Update, nullptr, CTeamScreen::Enter,
     CTeamScreen::Leave, nullptr, nullptr, true},
    {SCREEN_START_MENU, F, CMainMenuScreen::Render, CMainMenuScreen::Update, CMainMenuScreen::Tick,
     CMainMenuScreen::Enter, CMainMenuScreen::Leave, nullptr, nullptr, true},
    {SCREEN_INTRO, F, CIntroScreen::Render, CIntroScreen::Update, CIntroScreen::Tick, CIntroScreen::Enter,
     CIntroScreen::Leave, CIntroScreen::UnloadTextures, CIntroScreen::LoadTextures, false},
    {SCREEN_NEW_GAME, S, CSetupGameScreen::Render, CSetupGameScreen::Update, nullptr, CSetupGameScreen::Enter,
     CSetupGameScreen::Leave, nullptr, nullptr, true},
    {SCREEN_NEWS, S, CNewsScreen::Render, CNewsScreen::Update, nullptr, CNewsScreen::Enter,
     CNewsScreen::Leave, nullptr, nullptr, true},
    {SCREEN_PLAYER, S, CPlayerDetailsScreen::Render, CPlayerDetailsScreen::Update, nullptr,
     CPlayerDetailsScreen::Enter, CPlayerDetailsScreen::Leave, nullptr, nullptr, true},
    {SCREEN_PLAYER_SEARCH, S, CPlayerSearchScreen::Render, CPlayerSearchScreen::Update, nullptr,
     CPlayerSearchScreen::Enter, CPlayerSearchScreen::Leave, nullptr, nullptr, true},
    {SCREEN_TOP_PLAYERS, S, CTopRatedScreen::Render, CTopRatedScreen::Update, nullptr, CTopRatedScreen::Enter,
     CTopRatedScreen::Leave, nullptr, nullptr, true},
    {SCREEN_COMPETITION, S, CCompetitionScreen::Render, CCompetitionScreen::Update, nullptr,
     CCompetitionScreen::Enter, CCompetitionScreen::Leave, nullptr, nullptr, true},
    {SCREEN_TODAYS_FIXTURES, S, CTodaysFixturesScreen::Render, CTodaysFixturesScreen::Update, nullptr,
     CTodaysFixturesScreen::Enter, CTodaysFixturesScreen::Leave, nullptr, nullptr, true},
    {SCREEN_TODAYS_SCOREBOARD, S, CTodaysScoreboardScreen::Render, CTodaysScoreboardScreen::Update, nullptr,
     CTodaysScoreboardScreen::Enter, CTodaysScoreboardScreen::Leave, nullptr, nullptr, true},
    {SCREEN_COACH, S, CCoachProfileScreen::Render, CCoachProfileScreen::Update, nullptr,
     CCoachProfileScreen::Enter, CCoachProfileScreen::Leave, nullptr, nullptr, true},
    {SCREEN_RECORDS, S, CRecordsScreen::Render, nullptr, nullptr, CRecordsScreen::Enter, nullptr, nullptr,
     nullptr, true},
    {SCREEN_PRE_MATCH, S, CPreMatchScreen::Render, nullptr, CPreMatchScreen::Tick, CPreMatchScreen::Enter,
     CPreMatchScreen::Leave, nullptr, nullptr, true},
    {SCREEN_SCORECARD, S, CScorecardScreen::Render, CScorecardScreen::Update, nullptr,
     CScorecardScreen::Enter, CScorecardScreen::Leave, CScorecardScreen::UnloadTextures,
     CScorecardScreen::LoadTextures, true},
    {SCREEN_JOBS, S, CJobMarketScreen::Render, CJobMarketScreen::Update, nullptr, CJobMarketScreen::Enter,
     CJobMarketScreen::Leave, nullptr, nullptr, true},
    {SCREEN_COUNTRY, S, CCountryScreen::Render, CCountryScreen::Update, nullptr, CCountryScreen::Enter,
     CCountryScreen::Leave, nullptr, nullptr, true},
    {SCREEN_CONTRACT, S, CContractScreen::Render, CContractScreen::Update, nullptr, CContractScreen::Enter,
     CContractScreen::Leave, nullptr, nullptr, true},
    {SCREEN_SERIES, S, CSeriesOverviewScreen::Render, CSeriesOverviewScreen::Update, nullptr,
     CSeriesOverviewScreen::Enter, CSeriesOverviewScreen::Leave, nullptr, nullptr, true},
    {SCREEN_AUTO_SIM, S, CAutoSimScreen::Render, CAutoSimScreen::Update, CAutoSimScreen::Tick,
     CAutoSimScreen::Enter, CAutoSimScreen::Leave, nullptr, nullptr, true},
    {SCREEN_CUSTOM_GAME, F, CCustomGameScreen::Render, CCustomGameScreen::Update, nullptr,
     CCustomGameScreen::Enter, CCustomGameScreen::Leave, nullptr, nullptr, true},
    {SCREEN_CUSTOM_LEAGUE_SETUP, F, CCustomLeagueScreen::Render, CCustomLeagueScreen::Update, nullptr,
     CCustomLeagueScreen::Enter, CCustomLeagueScreen::Leave, nullptr, nullptr, true},
    {SCREEN_CUSTOM_TOUR_SETUP, F, CCustomTourScreen::Render, CCustomTourScreen::Update, nullptr,
     CCustomTourScreen::Enter, CCustomTourScreen::Leave, nullptr, nullptr, true},
    {SCREEN_CUSTOM_LEAGUE_TABLE, F, CCustomLeagueTableScreen::Render, CCustomLeagueTableScreen::Update,
     nullptr, CCustomLeagueTableScreen::Enter, CCustomLeagueTableScreen::Leave, nullptr, nullptr, true},
    {SCREEN_MATCH_PLAYER, F, CMatchPlayerScreen::Render, CMatchPlayerScreen::Update, CMatchPlayerScreen::Tick,
     CMatchPlayerScreen::Enter, CMatchPlayerScreen::Leave, nullptr, nullptr, true},
    {SCREEN_NETWORK, S, CNetworkGameScreen::Render, CNetworkGameScreen::Update, CNetworkGameScreen::Tick,
     CNetworkGameScreen::Enter, CNetworkGameScreen::Leave, nullptr, nullptr, true},
};
static_assert(std::size(SCREENS) == std::size(s_lists));

// The side bar's menus follow the user into and out of his posts; the team
// page shows the eleven the day machine sends him to pick.
class CMenuDayScreens : public CDayScreenServices {
public:
    void UserSideChanged() override { BuildCompetitionMenus(); }
    void LayoutTeamPage() override { CTeamScreen::LayoutForDay(); }
    void LayoutCountryPage() override { CCountryScreen::LayoutForDay(); }
};

CMenuDayScreens s_dayScreens;

}  // namespace

void CGameScreens::InitOnce() {
    ResetGroundView();
}

void RegisterGameScreens() {
    for (size_t i = 0; i < std::size(SCREENS); ++i) {
        const ScreenRow& row = SCREENS[i];
        ScreenRecord record;
        record.m_id = row.id;
        record.m_mode = row.mode;
        record.mp_render = row.render;
        record.mp_update = row.update;
        record.mp_tick = row.tick;
        record.mp_enter = row.enter;
        record.mp_leave = row.leave;
        record.mp_unloadTextures = row.unloadTextures;
        record.mp_loadTextures = row.loadTextures;
        record.mp_controls = row.controls ? &s_lists[i] : nullptr;
        g_game->RegisterScreen(record);
    }
    InstallDayScreenServices(&s_dayScreens);
    InstallMatchViewServices();
}

}  // namespace ravel
