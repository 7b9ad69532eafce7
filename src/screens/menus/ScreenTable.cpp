#include "screens/menus/ScreenTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

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
#include "shell/platform/System.h"
#include "world/Services.h"

namespace ravel {

namespace {

// A screen class still written as static callbacks, seen as a screen object:
// each callback it has is called, the others do nothing.
template <class T>
class CStaticScreen final : public CScreen {
public:
    void Render() override {
        if constexpr (requires { T::Render(); }) T::Render();
    }
    void Update() override {
        if constexpr (requires { T::Update(); }) T::Update();
    }
    void Tick() override {
        if constexpr (requires { T::Tick(); }) T::Tick();
    }
    void Enter() override {
        if constexpr (requires { T::Enter(); }) T::Enter();
    }
    void Leave() override {
        if constexpr (requires { T::Leave(); }) T::Leave();
    }
    void UnloadTextures() override {
        if constexpr (requires { T::UnloadTextures(); }) T::UnloadTextures();
    }
    void LoadTextures() override {
        if constexpr (requires { T::LoadTextures(); }) T::LoadTextures();
    }
    void SetSubject(const ScreenSubject& subject) override {
        if constexpr (requires { T::SetSubject(subject); }) T::SetSubject(subject);
    }
    ScreenSubject Subject() const override {
        if constexpr (requires { T::Subject(); }) return T::Subject();
        return {};
    }
};

constexpr int F = SCREEN_MODE_FULL;
constexpr int S = SCREEN_MODE_FRAMED;
constexpr size_t SCREEN_COUNT = 27;

// One object of each screen class, alive for the whole run, each with its
// control list (the intro has none).
struct CScreenTable {
    CMatchViewScreen matchView;
    CTeamScreen team;
    CMainMenuScreen startMenu;
    CStaticScreen<CIntroScreen> intro;
    CSetupGameScreen newGame;
    CNewsScreen news;
    CStaticScreen<CPlayerDetailsScreen> player;
    CStaticScreen<CPlayerSearchScreen> playerSearch;
    CTopRatedScreen topRated;
    CCompetitionScreen competition;
    CTodaysFixturesScreen todaysFixtures;
    CTodaysScoreboardScreen todaysScoreboard;
    CCoachProfileScreen coach;
    CRecordsScreen records;
    CPreMatchScreen preMatch;
    CScorecardScreen scorecard;
    CJobMarketScreen jobs;
    CCountryScreen country;
    CContractScreen contract;
    CSeriesOverviewScreen series;
    CAutoSimScreen autoSim;
    CCustomGameScreen customGame;
    CCustomLeagueScreen customLeague;
    CCustomTourScreen customTour;
    CCustomLeagueTableScreen customLeagueTable;
    CMatchPlayerScreen matchPlayer;
    CStaticScreen<CNetworkGameScreen> network;

    struct Row {
        int32_t id;
        int32_t mode;
        CScreen* screen;
        bool controls;
    };
    // In registration order.
    const Row rows[SCREEN_COUNT] = {
        {SCREEN_MATCH_VIEW, S, &matchView, true},
        {SCREEN_TEAM, S, &team, true},
        {SCREEN_START_MENU, F, &startMenu, true},
        {SCREEN_INTRO, F, &intro, false},
        {SCREEN_NEW_GAME, S, &newGame, true},
        {SCREEN_NEWS, S, &news, true},
        {SCREEN_PLAYER, S, &player, true},
        {SCREEN_PLAYER_SEARCH, S, &playerSearch, true},
        {SCREEN_TOP_PLAYERS, S, &topRated, true},
        {SCREEN_COMPETITION, S, &competition, true},
        {SCREEN_TODAYS_FIXTURES, S, &todaysFixtures, true},
        {SCREEN_TODAYS_SCOREBOARD, S, &todaysScoreboard, true},
        {SCREEN_COACH, S, &coach, true},
        {SCREEN_RECORDS, S, &records, true},
        {SCREEN_PRE_MATCH, S, &preMatch, true},
        {SCREEN_SCORECARD, S, &scorecard, true},
        {SCREEN_JOBS, S, &jobs, true},
        {SCREEN_COUNTRY, S, &country, true},
        {SCREEN_CONTRACT, S, &contract, true},
        {SCREEN_SERIES, S, &series, true},
        {SCREEN_AUTO_SIM, S, &autoSim, true},
        {SCREEN_CUSTOM_GAME, F, &customGame, true},
        {SCREEN_CUSTOM_LEAGUE_SETUP, F, &customLeague, true},
        {SCREEN_CUSTOM_TOUR_SETUP, F, &customTour, true},
        {SCREEN_CUSTOM_LEAGUE_TABLE, F, &customLeagueTable, true},
        {SCREEN_MATCH_PLAYER, F, &matchPlayer, true},
        {SCREEN_NETWORK, S, &network, true},
    };
    ControlList lists[SCREEN_COUNT];

    void ResetAll() {
        for (const Row& row : rows) row.screen->Reset();
        // The subject of the player page, still kept outside its object.
        g_linkSubjects = LinkSubjects();
    }
};

// The one screen table of the run. Never destroyed: screens hold pictures
// and controls that must not outlive the platform at exit.
CScreenTable& Table() {
    static CScreenTable* table = new CScreenTable;
    return *table;
}

// The screen of each page of the day.
constexpr std::pair<DayPage, int32_t> DAY_PAGES[] = {
    {DayPage::NEWS, SCREEN_NEWS},
    {DayPage::TODAYS_FIXTURES, SCREEN_TODAYS_FIXTURES},
    {DayPage::PRE_MATCH, SCREEN_PRE_MATCH},
    {DayPage::MATCH_VIEW, SCREEN_MATCH_VIEW},
    {DayPage::SCOREBOARD, SCREEN_TODAYS_SCOREBOARD},
    {DayPage::SCORECARD, SCREEN_SCORECARD},
    {DayPage::AUTO_SIMULATION, SCREEN_AUTO_SIM},
};

// The day's pages are the game's screens; the team and country pages show
// the eleven the day machine sends the user to pick; the side bar's menus
// follow him into and out of his posts.
class CMenuDayScreens : public CDayScreenServices {
public:
    void ShowPage(DayPage page) override {
        for (auto [each, screen] : DAY_PAGES)
            if (each == page) ChangeScreen(screen);
    }
    void ShowSelection(int32_t side, bool open) override {
        CSideScreen& page = side < FIRST_CLUB_ID ? static_cast<CSideScreen&>(Table().country) : Table().team;
        page.ShowForDay(side, open);
    }
    bool Showing(DayPage page, int32_t side) const override {
        const int current = CurrentScreen();
        if (page == DayPage::SELECTION) {
            for (const CSideScreen* each :
                 {static_cast<CSideScreen*>(&Table().team), static_cast<CSideScreen*>(&Table().country)})
                if (current == each->Kind().screen && each->Side() == side) return true;
            return false;
        }
        for (auto [each, screen] : DAY_PAGES)
            if (each == page) return current == screen;
        return false;
    }
    void ForgetScoreboard() override {
        if (!g_game) return;
        std::erase(g_game->mv_backHistory, SCREEN_TODAYS_SCOREBOARD);
        std::erase(g_game->mv_forwardHistory, SCREEN_TODAYS_SCOREBOARD);
        g_game->UpdateHistoryButtons();
    }
    void UserSideChanged() override { BuildCompetitionMenus(); }
    void ResetScreens() override { Table().ResetAll(); }
};

CMenuDayScreens s_dayScreens;

}  // namespace

// Each converted screen class, found in the table.
#define RAVEL_THE_SCREEN(Class, member) \
    template <>                         \
    Class& TheScreen<Class>() {         \
        return Table().member;          \
    }
RAVEL_THE_SCREEN(CCoachProfileScreen, coach)
RAVEL_THE_SCREEN(CJobMarketScreen, jobs)
RAVEL_THE_SCREEN(CMainMenuScreen, startMenu)
RAVEL_THE_SCREEN(CSetupGameScreen, newGame)
RAVEL_THE_SCREEN(CAutoSimScreen, autoSim)
RAVEL_THE_SCREEN(CCustomGameScreen, customGame)
RAVEL_THE_SCREEN(CCustomLeagueScreen, customLeague)
RAVEL_THE_SCREEN(CCustomTourScreen, customTour)
RAVEL_THE_SCREEN(CCustomLeagueTableScreen, customLeagueTable)
RAVEL_THE_SCREEN(CTeamScreen, team)
RAVEL_THE_SCREEN(CCountryScreen, country)
RAVEL_THE_SCREEN(CMatchViewScreen, matchView)
RAVEL_THE_SCREEN(CMatchPlayerScreen, matchPlayer)
RAVEL_THE_SCREEN(CPreMatchScreen, preMatch)
RAVEL_THE_SCREEN(CTodaysFixturesScreen, todaysFixtures)
RAVEL_THE_SCREEN(CTodaysScoreboardScreen, todaysScoreboard)
RAVEL_THE_SCREEN(CScorecardScreen, scorecard)
RAVEL_THE_SCREEN(CContractScreen, contract)
RAVEL_THE_SCREEN(CTopRatedScreen, topRated)
RAVEL_THE_SCREEN(CNewsScreen, news)
RAVEL_THE_SCREEN(CCompetitionScreen, competition)
RAVEL_THE_SCREEN(CRecordsScreen, records)
RAVEL_THE_SCREEN(CSeriesOverviewScreen, series)
#undef RAVEL_THE_SCREEN

void CGameScreens::InitOnce() {
    ResetGroundView();
}

void RegisterGameScreens() {
    CScreenTable& table = Table();
    for (size_t i = 0; i < std::size(table.rows); ++i) {
        const CScreenTable::Row& row = table.rows[i];
        ScreenRecord record;
        record.m_id = row.id;
        record.m_mode = row.mode;
        record.mp_screen = row.screen;
        record.mp_controls = row.controls ? &table.lists[i] : nullptr;
        g_game->RegisterScreen(record);
    }
    InstallDayScreenServices(&s_dayScreens);
    InstallMatchViewServices();
}

}  // namespace ravel
