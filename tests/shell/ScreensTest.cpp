#include <string>
#include <vector>

#include "ShellFixture.h"
#include "shell/gui/Button.h"

namespace ravel {

namespace {

class ScreensTest : public ShellTest {
protected:
    // "C105" changes to screen 105, "B" and "F" press Back and Forward.
    void Run(const std::vector<std::string>& steps) {
        for (const std::string& step : steps) {
            if (step == "B") {
                m_game->NavigateHistory(HISTORY_BACK);
            } else if (step == "F") {
                m_game->NavigateHistory(HISTORY_FORWARD);
            } else {
                m_game->ChangeScreen(std::stoi(step.substr(1)));
            }
        }
    }
};

struct HistoryCase {
    const char* name;
    std::vector<std::string> steps;
    int current;
    std::vector<int32_t> back, forward;
};

TEST_F(ScreensTest, ChangesAndHistories) {
    const HistoryCase cases[] = {
        {"back history keeps the five newest",
         {"C105", "C102", "C106", "C110", "C123", "C108", "C109"},
         109,
         {102, 106, 110, 123, 108},
         {}},
        {"scorecard, pre-match and contract are never recorded",
         {"C105", "C115", "C117", "C126", "C102"},
         102,
         {105},
         {}},
        {"intro and start menu are never recorded", {"C100", "C103", "C105", "C102"}, 102, {105}, {}},
        {"back then forward", {"C105", "C102", "C106", "B"}, 102, {105}, {106}},
        {"forward returns", {"C105", "C102", "C106", "B", "F"}, 106, {105, 102}, {}},
        {"back from today's fixtures leaves the news page forward",
         {"C102", "C113", "B", "F"},
         105,
         {102},
         {}},
        {"back from the forward history's newest screen adds it once",
         {"C105", "C102", "B", "C102", "B"},
         105,
         {},
         {102}},
        {"back from the pre-match screen records nothing",
         {"C105", "C102", "C117", "B", "F"},
         102,
         {105},
         {}},
        {"forward never grows the back history past five",
         {"C102", "C104", "C105", "C106", "C108", "C109", "C110", "B", "C122", "F"},
         110,
         {105, 106, 108, 109, 122},
         {}},
        {"back never grows the forward history past five",
         {"C102", "C104", "C105", "C106", "C108", "C109", "B", "B", "B", "B", "B", "C110", "B"},
         102,
         {},
         {108, 106, 105, 104, 110}},
        {"an unregistered id goes nowhere and records nothing", {"C105", "C102", "C999"}, 102, {105}, {}},
        {"the same screen again records nothing", {"C105", "C105", "C105"}, 105, {}, {}},
        {"nothing to go back or forward to", {"C105", "B", "F"}, 105, {}, {}},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->mv_backHistory.clear();
        m_game->mv_forwardHistory.clear();
        m_game->m_screenId = SCREEN_NONE;
        m_game->m_recordOnLeave = false;
        ClearCurrentScreen();
        Run(c.steps);
        EXPECT_EQ(m_game->m_screenId, c.current);
        EXPECT_EQ(m_game->mv_backHistory, c.back);
        EXPECT_EQ(m_game->mv_forwardHistory, c.forward);
        EXPECT_EQ(CSideBar::s_btnBack->mb_disabled, c.back.empty() ? 1 : 0);
        EXPECT_EQ(CSideBar::s_btnForward->mb_disabled, c.forward.empty() ? 1 : 0);
    }
}

TEST_F(ScreensTest, LeaveThenEnterAndTheCallbacksAndModeOfTheNewScreen) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->ChangeScreen(SCREEN_CUSTOM_GAME);
    EXPECT_EQ(ScreenLog::s_calls, (std::vector<std::string>{"enter 105", "leave 105", "enter 120"}));
    EXPECT_EQ(m_game->m_screenMode, SCREEN_MODE_FULL);
    EXPECT_EQ(m_system->mp_controlList, nullptr);

    // An unknown id leaves and enters the current screen again.
    ResetLog();
    m_game->ChangeScreen(999);
    EXPECT_EQ(ScreenLog::s_calls, (std::vector<std::string>{"leave 120", "enter 120"}));
    EXPECT_EQ(m_game->m_screenId, SCREEN_CUSTOM_GAME);
    m_game->mp_screen->Render();
    EXPECT_EQ(ScreenLog::s_renders, 1);
}

TEST_F(ScreensTest, SkippedChangeIsNotRecordedAndTheFlagIsSpent) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->m_skipHistory = true;
    m_game->ChangeScreen(SCREEN_TODAYS_FIXTURES);
    EXPECT_TRUE(m_game->mv_backHistory.empty());
    EXPECT_FALSE(m_game->m_skipHistory);
    m_game->ChangeScreen(SCREEN_TEAM);
    EXPECT_EQ(m_game->mv_backHistory, (std::vector<int32_t>{SCREEN_TODAYS_FIXTURES}));
}

TEST_F(ScreensTest, ARecordWithoutAScreenGetsTheEmptyOne) {
    // Before any screen change, and for a record that names no screen: a
    // device reset or a stray call finds the empty screen, never a null.
    EXPECT_EQ(m_game->mp_screen, &EmptyScreen());
    ScreenRecord bare;
    bare.m_id = 141;
    bare.m_mode = SCREEN_MODE_FRAMED;
    m_game->RegisterScreen(bare);
    m_game->ChangeScreen(141);
    EXPECT_EQ(m_game->mp_screen, &EmptyScreen());
    m_game->RenderFrame();
    m_system->HeadlessInput()->LoseDevice();
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
}

TEST_F(ScreensTest, OpenScreenHandsTheSubjectOverBeforeEnter) {
    struct SubjectScreen : CScreen {
        void SetSubject(const ScreenSubject& subject) override { m_seen = subject.m_id; }
        void Enter() override { m_enteredWith = m_seen; }
        int m_seen = 0, m_enteredWith = 0;
    } screen;
    ScreenRecord record;
    record.m_id = 142;
    record.m_mode = SCREEN_MODE_FRAMED;
    record.mp_screen = &screen;
    m_game->RegisterScreen(record);
    OpenScreen(142, {1302, 0, 0});
    EXPECT_EQ(screen.m_enteredWith, 1302);
    EXPECT_EQ(m_game->m_screenId, 142);
    // Back to it keeps the subject it had.
    m_game->ChangeScreen(SCREEN_NEWS);
    m_game->NavigateHistory(HISTORY_BACK);
    EXPECT_EQ(screen.m_enteredWith, 1302);
    // An unknown id leaves the subjects as they were.
    OpenScreen(999, {7, 0, 0});
    EXPECT_EQ(screen.m_seen, 1302);
    ClearCurrentScreen();
}

TEST_F(ScreensTest, ScreenControlsGetTheSideBarAsOverlayAndTheSkin) {
    ControlList controls;
    ScreenRecord record;
    record.m_id = 142;
    record.m_mode = SCREEN_MODE_FRAMED;
    record.mp_controls = &controls;
    m_game->RegisterScreen(record);
    EXPECT_EQ(controls.mp_overlay, &m_game->m_sideBarList);
    EXPECT_EQ(controls.mp_skin, m_game->m_skin.Sprites());
    m_game->ChangeScreen(142);
    EXPECT_EQ(m_system->mp_controlList, &controls);
}

TEST_F(ScreensTest, ScreenChangesAndMessagesReachTheGame) {
    ChangeScreen(SCREEN_NEWS);
    ChangeScreen(SCREEN_TEAM);
    ChangeScreen(SCREEN_JOBS);
    EXPECT_EQ(m_game->m_screenId, SCREEN_JOBS);
    EXPECT_EQ(CurrentScreen(), SCREEN_JOBS);
    EXPECT_EQ(m_game->mv_backHistory, (std::vector<int32_t>{SCREEN_NEWS, SCREEN_TEAM}));

    ShowMessage("Contract signed", MSG_OK);
    ASSERT_EQ(CMessageBox::s_messageQueue.size(), 1u);
    EXPECT_STREQ(CMessageBox::s_messageQueue[0].text, "Contract signed");
}

}  // namespace

}  // namespace ravel
