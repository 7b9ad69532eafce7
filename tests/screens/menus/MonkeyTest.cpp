// A monkey plays the headless game: a new career on the built world, then
// thousands of ticks of random clicks, drags and keys on whatever screen is
// up, the side bar's Back and Forward among them, for a few seeds, some of
// them starting in contract talks. The Exit buttons are left alone;
// everything else is fair game. The game must keep running on screens it
// registered, and outside the screens that hold the side bar a career's side
// bar stays usable; the sanitizers watch the rest.
#include <random>
#include <tuple>
#include <utility>

#include "LaunchFixture.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "screens/team/ContractScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

// The loop draws a frame for every second tick or so, as the game does.
constexpr int MONKEY_TICKS = 2000;

const int KEYS[] = {DIK_A,    DIK_Q,    DIK_Z,      DIK_1,      DIK_0,    DIK_SPACE, DIK_RETURN, DIK_ESCAPE,
                    DIK_TAB,  DIK_BACK, DIK_UP,     DIK_DOWN,   DIK_LEFT, DIK_RIGHT, DIK_PRIOR,  DIK_NEXT,
                    DIK_HOME, DIK_END,  DIK_DELETE, DIK_LSHIFT, DIK_F1,   DIK_MINUS, DIK_COMMA,  DIK_PERIOD};

struct Start {
    uint32_t seed;
    bool talks;  // from contract talks with a player of his squad, else from the news page
};

class MonkeyTest : public LaunchTest, public testing::WithParamInterface<Start> {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
    }

    // A new career with the first side offered: the news page.
    void StartCareer() {
        TickWith(512, 600, true);
        TickWith(512, 600, false);
        while (m_game->m_screenId == SCREEN_INTRO) Idle();
        ASSERT_EQ(m_game->m_screenId, SCREEN_START_MENU);
        Tap(TheScreen<CMainMenuScreen>().m_btnNewGame);
        Tap(TheScreen<CSetupGameScreen>().m_editFirstName);
        PressKey(DIK_M);
        PressKey(DIK_TAB);
        PressKey(DIK_K);
        Tap(TheScreen<CSetupGameScreen>().m_rows[0]);
        Tap(TheScreen<CSetupGameScreen>().m_btnContinue);
    }

    // Points to click on the visible controls of the screen and the side bar,
    // the Exit buttons left out: a control's middle, each item of an open
    // pop-up menu, each control of an open dialog.
    std::vector<std::pair<int, int>> Targets() const {
        std::vector<std::pair<int, int>> out;
        for (const ControlList* list : {m_system->mp_controlList, &m_game->m_sideBarList}) {
            if (!list) continue;
            for (const CControl* c : list->mv_controls) {
                if (!c->mb_visible || IsExit(c)) continue;
                if (const auto* dialog = dynamic_cast<const CDialog*>(c)) {
                    for (const CControl* child : dialog->mv_children)
                        if (child->mb_visible)
                            out.emplace_back(
                                dialog->m_x + child->m_x + child->m_width / 2,
                                dialog->m_y + dialog->m_titleHeight + child->m_y + child->m_height / 2);
                }
                const auto* menu = dynamic_cast<const CPopupMenu*>(c);
                if (!menu || menu->m_menuState != MENU_OPEN) {
                    out.emplace_back(c->m_x + c->m_width / 2, c->m_y + c->m_height / 2);
                    continue;
                }
                const int top = menu->m_y + (menu->mb_scrolling ? SCROLL_STRIP : 0);
                for (int item = 0; item < menu->m_visibleCount; ++item)
                    out.emplace_back(menu->m_x + 40, top + ITEM_HEIGHT * item + ITEM_HEIGHT / 2);
            }
        }
        return out;
    }
    static bool IsExit(const CControl* c) { return std::string_view(c->m_caption) == "Exit"; }
    // A point on an Exit button, which the monkey never presses.
    bool OnExit(int x, int y) const {
        for (const ControlList* list : {m_system->mp_controlList, &m_game->m_sideBarList}) {
            if (!list) continue;
            for (const CControl* c : list->mv_controls)
                if (c->mb_visible && IsExit(c) && c->Contains(x, y)) return true;
        }
        return false;
    }

    // Outside the screens that hold it, a career's side bar is usable: Exit,
    // Continue, Options and Main enabled, Back and Forward as their histories
    // say.
    void ExpectSideBarUsable(int tick) const {
        using SB = CSideBar;
        const int screen = m_game->m_screenId;
        if (screen == SCREEN_CONTRACT || screen == SCREEN_AUTO_SIM || screen == SCREEN_NEW_GAME) return;
        if (m_game->m_screenMode != SCREEN_MODE_FRAMED || g_cricket.m_gameMode != MODE_CAREER) return;
        if (!SB::s_btnBack || !SB::s_btnBack->mb_visible) return;  // a screen that hides it
        for (const CButton* button : {SB::s_btnExit, SB::s_btnContinue, SB::s_btnOptions, SB::s_btnMain})
            EXPECT_FALSE(button->mb_disabled)
                << button->m_caption << " on screen " << screen << " at tick " << tick;
        EXPECT_EQ(SB::s_btnBack->mb_disabled != 0, m_game->mv_backHistory.empty())
            << "Back on screen " << screen << " at tick " << tick;
        EXPECT_EQ(SB::s_btnForward->mb_disabled != 0, m_game->mv_forwardHistory.empty())
            << "Forward on screen " << screen << " at tick " << tick;
    }

    void Play(std::mt19937& rng) {
        auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
        for (int tick = 0; tick < MONKEY_TICKS; ++tick) {
            const int roll = below(100);
            int x = below(SCREEN_WIDTH), y = below(SCREEN_HEIGHT);
            if (roll < 5) {
                // A control's middle: the way through the screens.
                const std::vector<std::pair<int, int>> targets = Targets();
                if (!targets.empty())
                    std::tie(x, y) = targets[static_cast<size_t>(below(static_cast<int>(targets.size())))];
            }
            if (roll >= 16 && roll < 20) {
                // Back or Forward, enabled or not.
                const CControl* button = below(2) ? CSideBar::s_btnBack : CSideBar::s_btnForward;
                if (button && button->mb_visible) {
                    x = button->m_x + button->m_width / 2;
                    y = button->m_y + button->m_height / 2;
                    TickWith(x, y, true);
                    TickWith(x, y, false);
                }
            } else if (roll < 12 && !OnExit(x, y)) {
                TickWith(x, y, true);
                // Held a while, and sometimes dragged.
                for (int held = below(4); held > 0; --held) {
                    x = std::clamp(x + below(81) - 40, 0, SCREEN_WIDTH - 1);
                    y = std::clamp(y + below(81) - 40, 0, SCREEN_HEIGHT - 1);
                    if (OnExit(x, y)) break;
                    TickWith(x, y, true);
                }
                TickWith(x, y, false);
            } else if (roll < 16) {
                const int key = KEYS[below(static_cast<int>(std::size(KEYS)))];
                m_system->HeadlessInput()->PressKey(key);
                TickWith(x, y, false);
                m_system->HeadlessInput()->ReleaseKey(key);
            } else {
                TickWith(x, y, false);
            }
            ASSERT_TRUE(m_game->m_running) << "the game stopped at tick " << tick;
            ASSERT_TRUE(m_game->FindScreen(m_game->m_screenId)) << "screen " << m_game->m_screenId;
            ExpectSideBarUsable(tick);
            if (HasFailure()) return;
        }
    }
};

std::string StartName(const testing::TestParamInfo<Start>& start) {
    return "Seed" + std::to_string(start.param.seed) + (start.param.talks ? "Talks" : "News");
}

TEST_P(MonkeyTest, RandomInputNeverBreaksTheGame) {
    const Start start = GetParam();
    StartCareer();
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    if (start.talks) {
        // His squad's page, then talks with its first player.
        Tap(CSideBar::s_btnSquad);
        const Team* club = TeamById(g_cricket.m_team);
        ASSERT_TRUE(club);
        OpenContractScreen(club->m_squad[0], club->m_id, ContractOffer{});
        ASSERT_EQ(m_game->m_screenId, SCREEN_CONTRACT);
    }
    std::mt19937 rng(start.seed);
    Play(rng);
    Frame("monkey_" + std::to_string(start.seed) + ".png");
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest,
                         testing::Values(Start{1, false}, Start{2, false}, Start{3, false}, Start{4, true},
                                         Start{5, true}),
                         StartName);

}  // namespace
}  // namespace ravel
