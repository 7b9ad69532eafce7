#include "screens/menus/IntroScreen.h"

#include "season/Career.h"
#include "shell/Game.h"
#include "shell/platform/Keys.h"
#include "shell/platform/Sprite.h"
#include "shell/platform/System.h"
#include "world/Database.h"
#include "world/Services.h"

namespace ravel {

int32_t CIntroScreen::s_step = INTRO_LOGO;
int32_t CIntroScreen::s_tickCounter = 0;
int32_t CIntroScreen::s_percent = 0;
const char* CIntroScreen::s_message = "";
std::optional<DatabaseFault> CIntroScreen::s_fault;
CSprite* CIntroScreen::s_logo = nullptr;
CSprite* CIntroScreen::s_waiting = nullptr;

namespace {

constexpr char LOGO_FILE[] = "gfx/pics/logo.bmp";
constexpr char WAITING_FILE[] = "gfx/pics/logors.bmp";

static_assert(WORLD_LOAD_STEPS == INTRO_COMPLETE_WORLD + 1);
static_assert(DATABASE_LOAD_STEPS == INTRO_CHECK_WORLD + 1);

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
constexpr int FAULT_LINE_HEIGHT = 18;
constexpr int FAULT_MARGIN = 90;  // the shaded box reaches this far beside the bar
constexpr int FAULT_TOP = 22;     // below the logo's panel round the bar
constexpr uint32_t FAULT_COLOUR = 0xffff6060u;
constexpr uint32_t MESSAGE_COLOUR = 0xffc8c8c8u;

bool s_leftWasDown = false;

void DrawFault(const DatabaseFault& fault) {
    const int x = (BAR_LEFT + BAR_RIGHT) / 2;
    int y = BAR_BOTTOM + FAULT_TOP;
    g_system->ShadeRect(BAR_LEFT - FAULT_MARGIN, y - 2, BAR_RIGHT + FAULT_MARGIN, y + FAULT_LINE_HEIGHT * 5);
    CFont* font = g_game->m_fontTiny.get();
    g_system->DrawText(x, y, ALIGN_CENTRE, FAULT_COLOUR, font, "%s", "This world cannot be played:");
    y += FAULT_LINE_HEIGHT;
    g_system->DrawText(x, y, ALIGN_CENTRE, FAULT_COLOUR, font, "db/%s/%s", DatabaseFolder().c_str(),
                       fault.Where().c_str());
    y += FAULT_LINE_HEIGHT;
    g_system->DrawText(x, y, ALIGN_CENTRE, FAULT_COLOUR, font, "%s", fault.m_problem.c_str());
    y += FAULT_LINE_HEIGHT * 3 / 2;
    g_system->DrawText(x, y, ALIGN_CENTRE, MESSAGE_COLOUR, font, "%s",
                       "Click or press Escape to close the game.");
}

}  // namespace

void CIntroScreen::Enter() {
    g_game->mb_screenFrame = 0;
    // Nothing goes back to the intro.
    g_game->m_recordOnLeave = false;
    s_step = INTRO_LOGO;
    s_tickCounter = 0;
    s_percent = 0;
    s_message = "Loading... players database";
    s_fault.reset();
    s_leftWasDown = false;
    FreePictures();
    LoadPictures();
}

void CIntroScreen::Update() {
    const bool click = g_system->mb_leftDown && !s_leftWasDown;
    s_leftWasDown = g_system->mb_leftDown;
    if (s_fault) {
        if (click || g_system->KeyDown(DIK_ESCAPE)) g_game->m_running = false;
        return;
    }
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
    if (s_step < 0 || s_fault) return;
    if (s_step <= INTRO_COMPLETE_WORLD) {
        WorldLoadProgress progress = RunWorldLoadStep(s_step);
        s_percent = progress.m_percent;
        if (progress.m_next) s_message = progress.m_next;
        if (progress.m_fault) {
            s_fault = std::move(progress.m_fault);
            DebugLog("Intro: %s: %s", s_fault->Where().c_str(), s_fault->m_problem.c_str());
            return;
        }
    }
    ++s_step;
    if (s_step == INTRO_DONE) g_game->ChangeScreen(g_game->m_afterIntro);
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
    if (s_fault) {
        DrawFault(*s_fault);
    } else if (s_step <= INTRO_COMPLETE_WORLD) {
        g_system->DrawText((BAR_LEFT + BAR_RIGHT) / 2, BAR_BOTTOM + 2, ALIGN_CENTRE, MESSAGE_COLOUR,
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
