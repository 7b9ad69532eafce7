#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "season/GameState.h"
#include "season/News.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/PopupMenu.h"
#include "shell/platform/Files.h"
#include "world/Competitions.h"
#include "world/RecordsTable.h"
#include "world/World.h"

namespace ravel {

namespace fs = std::filesystem;

namespace {

using SB = CSideBar;

// The side bar as the game builds it, over the built pictures, on a framed
// screen with the loop running.
class SideBarTest : public ShellTest {
protected:
    bool BuildsSideBar() const override { return false; }
    void SetUp() override {
        m_saved = fs::current_path();
        fs::current_path(GameFolderWithTestSkins(
            testing::UnitTest::GetInstance()->current_test_info()->name(), m_extraSkins));
        ShellTest::SetUp();
        ResetGameState();
        m_game->mp_startup = &m_sideBarStartup;
        ASSERT_TRUE(m_game->CreateGameResources());
        m_game->BeginPlay();
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetLog();
    }
    void TearDown() override {
        m_game->ShutdownGame();
        ResetGameState();
        ShellTest::TearDown();
        fs::current_path(m_saved);
    }

    // Screen point of a shown item of an open menu.
    static int ItemY(const CPopupMenu* menu, int index) {
        const int strip = menu->mb_scrolling ? SCROLL_STRIP : 0;
        return menu->m_y + strip + menu->ShownHeight(menu->m_first, index - menu->m_first) + ITEM_HEIGHT / 2;
    }
    void ChooseItem(const CPopupMenu* menu, int index) {
        ASSERT_EQ(menu->m_menuState, MENU_OPEN);
        ClickAt(menu->m_x + 40, ItemY(menu, index));
    }
    // What BuildCompetitionMenus puts into the World Cricket menu.
    void FillWorldCricket() {
        CPopupMenu* menu = SB::s_menuWorldCricket;
        menu->AddListItem("Test Championship", COMP_TEST_CHAMPIONSHIP);
        menu->AddListItem("ODI Championship", COMP_ODI_CHAMPIONSHIP);
        menu->AddListItem("Records", WORLD_RECORDS);
        menu->AddListItem("SEPERATOR", SEPARATOR_VALUE);
        menu->AddListItem("Touring Party", WORLD_TOUR_BASE + 1);
        menu->AddListItem("World Cup", WORLD_TOURNAMENT_BASE + 505);
        menu->AddListItem("Domestic Cricket", WORLD_DOMESTIC);
        SB::s_menuDomestic->AddListItem("Northern League", 7);
        Tour first, second;
        second.m_series = 603;
        second.m_kind = TOUR_TRIANGULAR;
        g_world.mv_tours = {first, second};
    }

    fs::path m_saved;
    CSideBarStartup m_sideBarStartup;
    std::vector<std::string> m_extraSkins = {"broken"};
};

TEST_F(SideBarTest, ButtonsOpenTheirScreens) {
    struct Case {
        const char* name;
        CButton** button;
        int32_t team;
        int screen;
        bool subject;  // the screen takes the side as its subject
    };
    const Case cases[] = {
        {"Main", &SB::s_btnMain, 1001, SCREEN_NEWS, false},
        {"Squad of a national side", &SB::s_btnSquad, 12, SCREEN_COUNTRY, true},
        {"Squad of side 1000 takes it as national", &SB::s_btnSquad, 1000, SCREEN_COUNTRY, true},
        {"Squad of a club", &SB::s_btnSquad, 1001, SCREEN_TEAM, true},
        {"Player Search", &SB::s_btnPlayerSearch, 1001, SCREEN_PLAYER_SEARCH, false},
        {"Jobs", &SB::s_btnJobs, 1001, SCREEN_JOBS, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        g_cricket.m_team = c.team;
        Click(*c.button);
        EXPECT_EQ(m_game->m_screenId, c.screen);
        // Draw skips a clicked button: one left clicked vanishes for a frame.
        EXPECT_EQ((*c.button)->m_state, STATE_NORMAL);
        if (c.subject) {
            EXPECT_EQ(SubjectOf(c.screen).m_id, c.team);
        }
    }
}

TEST_F(SideBarTest, WorldCricketChoices) {
    FillWorldCricket();
    struct Case {
        const char* name;
        int item;
        int screen;
        int32_t value;
    };
    const Case cases[] = {
        {"Test championship", 0, SCREEN_COMPETITION, COMP_TEST_CHAMPIONSHIP},
        {"ODI championship", 1, SCREEN_COMPETITION, COMP_ODI_CHAMPIONSHIP},
        {"the second running tour", 4, SCREEN_SERIES, 603},
        {"an international tournament", 5, SCREEN_COMPETITION, 505},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(SCREEN_NEWS);
        Click(SB::s_btnWorldCricket);
        EXPECT_EQ(SB::s_menuWorldCricket->m_x, SB::s_btnWorldCricket->m_x);
        EXPECT_EQ(SB::s_menuWorldCricket->m_y, SB::s_btnWorldCricket->m_y + 30);
        ChooseItem(SB::s_menuWorldCricket, c.item);
        EXPECT_EQ(m_game->m_screenId, c.screen);
        EXPECT_EQ(SubjectOf(c.screen).m_id, c.value);
        EXPECT_EQ(SB::s_menuWorldCricket->m_menuState, MENU_CLOSED);
    }
    EXPECT_EQ(SubjectOf(SCREEN_SERIES).m_kind, TOUR_TRIANGULAR);
}

TEST_F(SideBarTest, RecordsMenusLeadToTheRecordsScreen) {
    FillWorldCricket();
    struct Case {
        int kindLine;
        CPopupMenu** menu;
        int items;
        int item;
        int32_t kind, section;
    };
    const Case cases[] = {
        {0, &SB::s_menuFirstClassRecords, 15, 9, RECORDS_FIRST_CLASS, 101},
        {1, &SB::s_menuListARecords, 11, 0, RECORDS_LIST_A, 121},
        {2, &SB::s_menuTestRecords, 15, 13, RECORDS_TEST, 110},  // opens low enough to scroll
        {3, &SB::s_menuOdiRecords, 11, 10, RECORDS_ODI, 111},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        m_game->ChangeScreen(SCREEN_NEWS);
        Click(SB::s_btnWorldCricket);
        CPopupMenu* world = SB::s_menuWorldCricket;
        ChooseItem(world, 2);
        // Records takes the World Cricket menu's place, level with its line.
        CPopupMenu* records = SB::s_menuRecords;
        EXPECT_EQ(world->m_menuState, MENU_CLOSED);
        ASSERT_EQ(records->m_menuState, MENU_OPEN);
        EXPECT_EQ(records->m_x, world->m_x + world->m_width + 1);
        EXPECT_EQ(records->m_y, world->m_y + 2 * ITEM_HEIGHT);

        ChooseItem(records, c.kindLine);
        CPopupMenu* section = *c.menu;
        ASSERT_EQ(section->m_menuState, MENU_OPEN);
        EXPECT_EQ(section->ItemCount(), c.items);
        EXPECT_EQ(section->m_x, records->m_x + records->m_width + 1);
        ChooseItem(section, c.item);
        EXPECT_EQ(m_game->m_screenId, SCREEN_RECORDS);
        EXPECT_EQ(SubjectOf(SCREEN_RECORDS).m_kind, c.kind);
        EXPECT_EQ(SubjectOf(SCREEN_RECORDS).m_section, c.section);
    }
}

TEST_F(SideBarTest, DomesticByChoiceOrByRestingOnIt) {
    FillWorldCricket();
    CPopupMenu* world = SB::s_menuWorldCricket;
    CPopupMenu* domestic = SB::s_menuDomestic;
    Click(SB::s_btnWorldCricket);
    ChooseItem(world, 6);
    ASSERT_EQ(domestic->m_menuState, MENU_OPEN);
    ChooseItem(domestic, 0);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(SubjectOf(SCREEN_COMPETITION).m_id, 7);

    // Resting on "Domestic Cricket" opens it too, once the hover time passes.
    Click(SB::s_btnWorldCricket);
    const int x = world->m_x + 40, y = ItemY(world, 6);
    TickWith(x, y, false);
    EXPECT_EQ(domestic->m_menuState, MENU_CLOSED);
    for (int i = 0; i < 100 && domestic->m_menuState != MENU_OPEN; ++i) TickWith(x, y, false);
    EXPECT_EQ(domestic->m_menuState, MENU_OPEN);
    EXPECT_EQ(world->m_menuState, MENU_CLOSED);
    // It stays open under the pointer and takes its click.
    for (int i = 0; i < 50; ++i) TickWith(domestic->m_x + 40, ItemY(domestic, 0), false);
    ChooseItem(domestic, 0);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(domestic->m_menuState, MENU_CLOSED);
}

TEST_F(SideBarTest, RestedOnSubMenuClosesAndTheSideBarAnswersAgain) {
    FillWorldCricket();
    CPopupMenu* world = SB::s_menuWorldCricket;
    CPopupMenu* domestic = SB::s_menuDomestic;
    struct Case {
        const char* name;
        std::function<void()> close;
    };
    const Case cases[] = {
        {"a click elsewhere", [&] { ClickAt(700, 400); }},
        {"a click on the parent it keeps drawn", [&] { ClickAt(world->m_x + 40, ItemY(world, 0)); }},
        {"Escape",
         [&] {
             m_system->HeadlessInput()->TapKey(DIK_ESCAPE);
             TickWith(700, 400, false);
             TickWith(700, 400, false);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        Click(SB::s_btnWorldCricket);
        for (int i = 0; i < 100 && domestic->m_menuState != MENU_OPEN; ++i)
            TickWith(world->m_x + 40, ItemY(world, 6), false);
        ASSERT_EQ(domestic->m_menuState, MENU_OPEN);
        c.close();
        EXPECT_EQ(domestic->m_menuState, MENU_CLOSED);
        EXPECT_EQ(world->m_menuState, MENU_CLOSED);
        EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION) << "the closing click chose nothing";
        Click(SB::s_btnMain);
        EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
        Click(SB::s_btnExit);
        ASSERT_TRUE(MessageBoxOpen());
        AnswerMessageBox(CMessageBox::NO);
        TickWith(700, 400, false);
        EXPECT_FALSE(MessageBoxOpen());
        EXPECT_EQ(SB::s_pendingQuestion, QUESTION_NONE);
    }
}

TEST_F(SideBarTest, AClickThatClosesAMenuDoesNotReachThePage) {
    FillWorldCricket();
    CButton pageButton;
    pageButton.SetRect(400, 320, 200, 40);  // beside the open menu, below its sub-menus
    ControlList page;
    page.mp_overlay = &m_game->m_sideBarList;
    page.mp_skin = m_game->m_skin.Sprites();
    page.AddControl(&pageButton);
    m_system->mp_controlList = &page;
    for (bool menuOpen : {false, true}) {
        SCOPED_TRACE(menuOpen);
        if (menuOpen) Click(SB::s_btnWorldCricket);
        ASSERT_EQ(SB::s_menuWorldCricket->m_menuState, menuOpen ? MENU_OPEN : MENU_CLOSED);
        m_system->HeadlessInput()->Click(500, 340);
        TickWith(500, 340, false);
        TickWith(500, 340, false);
        EXPECT_EQ(pageButton.m_state == STATE_CLICKED, !menuOpen);
        EXPECT_EQ(SB::s_menuWorldCricket->m_menuState, MENU_CLOSED);
    }
    m_system->mp_controlList = nullptr;
}

TEST_F(SideBarTest, CompetitionsMenu) {
    CPopupMenu* menu = SB::s_menuCompetitions;
    menu->AddListItem("Northern League", 7);
    menu->AddListItem("Domestic Cricket", WORLD_DOMESTIC);
    SB::s_menuDomestic->AddListItem("Southern Cup", 9);
    m_game->ChangeScreen(SCREEN_NEWS);
    Click(SB::s_btnCompetitions);
    EXPECT_EQ(menu->m_y, SB::s_btnCompetitions->m_y + SB::s_btnCompetitions->m_height);
    ChooseItem(menu, 0);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(SubjectOf(SCREEN_COMPETITION).m_id, 7);

    m_game->ChangeScreen(SCREEN_NEWS);
    Click(SB::s_btnCompetitions);
    ChooseItem(menu, 1);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    ChooseItem(SB::s_menuDomestic, 0);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(SubjectOf(SCREEN_COMPETITION).m_id, 9);
}

TEST_F(SideBarTest, BackAndForwardButtons) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->ChangeScreen(SCREEN_TEAM);
    Click(SB::s_btnBack);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(SB::s_btnBack->m_state, STATE_NORMAL);
    Click(SB::s_btnForward);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SB::s_btnForward->m_state, STATE_NORMAL);
}

TEST_F(SideBarTest, ContinueRunsTheDayAndForgetsTheHistories) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->ChangeScreen(SCREEN_TEAM);
    g_cricket.m_date = GameDate::FromSeasonDay(10, FIRST_SEASON);
    const GameDate before = g_cricket.m_date;
    const int32_t phaseBefore = g_cricket.m_dayPhase;
    Click(SB::s_btnContinue);
    EXPECT_FALSE(g_cricket.m_date.SameDay(before) && g_cricket.m_dayPhase == phaseBefore)
        << "the day machine did not run";
    EXPECT_TRUE(m_game->mv_backHistory.empty());
    EXPECT_TRUE(m_game->mv_forwardHistory.empty());
    EXPECT_EQ(SB::s_btnBack->mb_disabled, 1);
    EXPECT_EQ(SB::s_btnForward->mb_disabled, 1);

    // Under auto-simulation the auto-simulation screen runs the days.
    m_game->ChangeScreen(SCREEN_NEWS);
    g_cricket.m_autoSimulate = true;
    const GameDate now = g_cricket.m_date;
    const int32_t phase = g_cricket.m_dayPhase;
    Click(SB::s_btnContinue);
    EXPECT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    EXPECT_TRUE(g_cricket.m_date.SameDay(now));
    EXPECT_EQ(g_cricket.m_dayPhase, phase);
}

TEST_F(SideBarTest, ContinueStopsAtAMessageThatWantsAnAnswer) {
    UserCoach coach;
    coach.mv_inbox.resize(3);
    coach.mv_inbox[0].m_needsAnswer = 1;
    coach.mv_inbox[0].m_handled = 1;
    coach.mv_inbox[2].m_needsAnswer = 1;
    g_userCoaches = {coach};
    for (bool autoSimulate : {false, true}) {
        SCOPED_TRACE(autoSimulate);
        m_game->OpenScreen(SCREEN_NEWS, {-1});
        m_game->ChangeScreen(SCREEN_TEAM);
        g_cricket.m_autoSimulate = autoSimulate;
        Click(SB::s_btnContinue);
        EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
        EXPECT_EQ(SubjectOf(SCREEN_NEWS).m_id, 2);
    }
}

TEST_F(SideBarTest, EscapeAnswersTheExitQuestionNo) {
    m_game->ChangeScreen(SCREEN_NEWS);
    Click(SB::s_btnExit);
    ASSERT_TRUE(MessageBoxOpen());
    m_system->HeadlessInput()->TapKey(DIK_ESCAPE);
    TickWith(700, 400, false);
    TickWith(700, 400, false);
    EXPECT_FALSE(MessageBoxOpen());
    EXPECT_EQ(CMessageBox::s_messageAnswer, ANSWER_NO);
    EXPECT_EQ(SB::s_pendingQuestion, QUESTION_NONE);
    EXPECT_TRUE(m_game->m_running);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
}

TEST_F(SideBarTest, ExitAsksOnce) {
    Click(SB::s_btnExit);
    EXPECT_EQ(SB::s_pendingQuestion, QUESTION_EXIT);
    EXPECT_TRUE(MessageBoxOpen());
    EXPECT_STREQ(CMessageBox::s_messageText, "Are you sure you wish to exit?");
    // The window's close box while the question is open asks nothing more.
    ConfirmExit();
    EXPECT_EQ(CMessageBox::s_messageQueue.size(), 1u);
    AnswerMessageBox(CMessageBox::NO);
    TickWith(700, 400, false);
    EXPECT_FALSE(MessageBoxOpen());

    // Two closes before the question shows (as a desktop may send for one
    // click on the close box): one question, and one No answers it.
    m_system->HeadlessInput()->Close();
    m_system->HeadlessInput()->Close();
    TickWith(700, 400, false);
    ASSERT_TRUE(MessageBoxOpen());
    EXPECT_EQ(CMessageBox::s_messageQueue.size(), 1u);
    AnswerMessageBox(CMessageBox::NO);
    TickWith(700, 400, false);
    EXPECT_FALSE(MessageBoxOpen());
    EXPECT_EQ(SB::s_pendingQuestion, QUESTION_NONE);
    EXPECT_TRUE(m_game->m_running);
}

TEST_F(SideBarTest, OptionsDialogStoresTheTicksOnDone) {
    CDialog* dialog = SB::s_dlgOptions;
    const auto clickChild = [&](CControl* child) { ClickIn(dialog, child); };
    Click(SB::s_btnOptions);
    ASSERT_TRUE(dialog->mb_visible);
    EXPECT_EQ(SB::s_tickAutosave->mb_ticked, 0);
    EXPECT_EQ(SB::s_tickSounds->mb_ticked, 1);
    clickChild(SB::s_tickAutosave);
    clickChild(SB::s_tickSounds);
    // Nothing is stored before Done.
    EXPECT_FALSE(g_cricket.m_autosave);
    EXPECT_TRUE(g_cricket.m_matchViewSounds);
    clickChild(SB::s_btnOptionsDone);
    EXPECT_FALSE(dialog->mb_visible);
    EXPECT_TRUE(g_cricket.m_autosave);
    EXPECT_FALSE(g_cricket.m_matchViewSounds);
}

// A skin chosen in the options dialog: the skin afterwards shown and named.
struct SkinCase {
    const char* choice;
    const char* shown;
    bool error;
};

class SkinSwitchTest : public SideBarTest {
protected:
    void Choose(const SkinCase& c) {
        SCOPED_TRACE(c.choice);
        CComboBox* combo = SB::s_comboSkin;
        CDialog* dialog = SB::s_dlgOptions;
        CMessageBox::s_messageQueue.clear();
        if (!dialog->mb_visible) Click(SB::s_btnOptions);
        ASSERT_TRUE(dialog->mb_visible);
        const int x = dialog->m_x + combo->m_x + 30;
        ClickAt(x, dialog->m_y + TITLE_HEIGHT + combo->m_y + 10);
        ASSERT_EQ(combo->m_comboState, COMBO_OPEN);
        int index = 0;
        while (index < combo->ItemCount() && std::string(combo->mv_items[index].m_text) != c.choice) ++index;
        ASSERT_LT(index, combo->ItemCount());
        ClickAt(
            x, dialog->m_y + TITLE_HEIGHT + combo->m_y + combo->m_collapsedHeight + ITEM_HEIGHT * index + 10);

        EXPECT_STREQ(m_game->m_skinName, c.shown);
        EXPECT_STREQ(combo->m_caption, c.shown);
        EXPECT_EQ(combo->m_comboState, COMBO_CLOSED);
        // The controls and the bars are those of the skin named.
        SkinBlock expected;
        ASSERT_EQ(expected.LoadSkin(c.shown), 0);
        for (int sprite : {SKIN_DIALOG_TILE, SKIN_BUTTON_LEFT, SKIN_TICKED}) {
            ASSERT_TRUE(m_game->m_skin[sprite].Loaded());
            EXPECT_EQ(m_game->m_skin[sprite].Image()->Pixels(), expected[sprite].Image()->Pixels());
        }
        CSprite bar;
        ASSERT_TRUE(bar.LoadFromFile(("gfx/gui/" + std::string(c.shown) + "/sidebar.bmp").c_str()));
        ASSERT_TRUE(m_game->m_sideBar.Loaded());
        EXPECT_EQ(m_game->m_sideBar.Image()->Pixels(), bar.Image()->Pixels());
        if (c.error) {
            ASSERT_EQ(CMessageBox::s_messageQueue.size(), 1u);
            EXPECT_STREQ(CMessageBox::s_messageQueue[0].text, "Error loading new skin: Error code 1");
            EXPECT_FALSE(dialog->mb_visible);
            TickWith(0, 0, false);
            ASSERT_TRUE(MessageBoxOpen());
            AnswerMessageBox(CMessageBox::SINGLE_OK);
        } else {
            EXPECT_TRUE(CMessageBox::s_messageQueue.empty());
            EXPECT_TRUE(dialog->mb_visible);
        }
    }
};

TEST_F(SkinSwitchTest, ListedFromTheSkinFolders) {
    std::vector<std::string> names;
    for (const ListItem& item : SB::s_comboSkin->mv_items) names.push_back(item.m_text);
    EXPECT_EQ(names, (std::vector<std::string>{"broken", "std", "willow"}));
}

TEST_F(SkinSwitchTest, ChoicesAndAFailedSkin) {
    for (const SkinCase& c : {SkinCase{"willow", "willow", false},
                              SkinCase{"willow", "willow", false},  // the skin in use: nothing changes
                              SkinCase{"broken", "std", true},      // bitmaps missing: the standard skin
                              SkinCase{"willow", "willow", false}, SkinCase{"std", "std", false}}) {
        Choose(c);
    }
}

class SkinWithoutBarsTest : public SkinSwitchTest {
protected:
    SkinWithoutBarsTest() { m_extraSkins = {"nobars"}; }
};

TEST_F(SkinWithoutBarsTest, IsNotTaken) {
    Choose({"willow", "willow", false});
    Choose({"nobars", "willow", false});
}

}  // namespace

}  // namespace ravel
