// A monkey plays the headless game: a new career on the built world, then
// thousands of ticks of random clicks, drags and keys on whatever screen is
// up, for a few seeds. The Exit buttons are left alone; everything else is
// fair game. The game must keep running on screens it registered; the
// sanitizers watch the rest.
#include <random>

#include "LaunchFixture.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/EditBox.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

// The loop draws a frame for every second tick or so, as the game does.
constexpr int MONKEY_TICKS = 2000;

const int KEYS[] = {DIK_A,    DIK_Q,    DIK_Z,      DIK_1,      DIK_0,    DIK_SPACE, DIK_RETURN, DIK_ESCAPE,
                    DIK_TAB,  DIK_BACK, DIK_UP,     DIK_DOWN,   DIK_LEFT, DIK_RIGHT, DIK_PRIOR,  DIK_NEXT,
                    DIK_HOME, DIK_END,  DIK_DELETE, DIK_LSHIFT, DIK_F1,   DIK_MINUS, DIK_COMMA,  DIK_PERIOD};

class MonkeyTest : public LaunchTest, public testing::WithParamInterface<uint32_t> {
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

    // Visible controls of the screen and the side bar, the Exit buttons left out.
    std::vector<const CControl*> Targets() const {
        std::vector<const CControl*> out;
        for (const ControlList* list : {m_system->mp_controlList, &m_game->m_sideBarList}) {
            if (!list) continue;
            for (const CControl* c : list->mv_controls)
                if (c->mb_visible && !IsExit(c)) out.push_back(c);
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

    void Play(std::mt19937& rng) {
        auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
        for (int tick = 0; tick < MONKEY_TICKS; ++tick) {
            const int roll = below(100);
            int x = below(SCREEN_WIDTH), y = below(SCREEN_HEIGHT);
            if (roll < 5) {
                // A control's middle: the way through the screens.
                const std::vector<const CControl*> targets = Targets();
                if (!targets.empty()) {
                    const CControl* c = targets[static_cast<size_t>(below(static_cast<int>(targets.size())))];
                    x = c->m_x + c->m_width / 2;
                    y = c->m_y + c->m_height / 2;
                }
            }
            if (roll < 12 && !OnExit(x, y)) {
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
        }
    }
};

TEST_P(MonkeyTest, RandomInputNeverBreaksTheGame) {
    StartCareer();
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    std::mt19937 rng(GetParam());
    Play(rng);
    Frame("monkey_" + std::to_string(GetParam()) + ".png");
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace ravel
