#include "shell/platform/System.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "shell/platform/Clock.h"
#include "shell/platform/Files.h"
#include "shell/platform/Sound.h"

namespace ravel {

CSystem* g_system = nullptr;
void (*g_groundViewInit)() = nullptr;

namespace {

void NoScreen() {}

// Set by SIGINT and SIGTERM (a terminal's Ctrl+C, a desktop logging out): the
// game then closes as after its own exit, without a question nobody may see.
volatile std::sig_atomic_t g_stopSignal = 0;

void OnStopSignal(int) {
    g_stopSignal = 1;
}

const char* const START_CAPTION = "Failed to start game";

// Scan codes of the keyboard, as the game numbers its keys.
struct KeyMap {
    SDL_Scancode scan;
    int code;
};
const KeyMap KEY_MAP[] = {
    {SDL_SCANCODE_ESCAPE, DIK_ESCAPE},
    {SDL_SCANCODE_1, DIK_1},
    {SDL_SCANCODE_2, DIK_2},
    {SDL_SCANCODE_3, DIK_3},
    {SDL_SCANCODE_4, DIK_4},
    {SDL_SCANCODE_5, DIK_5},
    {SDL_SCANCODE_6, DIK_6},
    {SDL_SCANCODE_7, DIK_7},
    {SDL_SCANCODE_8, DIK_8},
    {SDL_SCANCODE_9, DIK_9},
    {SDL_SCANCODE_0, DIK_0},
    {SDL_SCANCODE_MINUS, DIK_MINUS},
    {SDL_SCANCODE_EQUALS, DIK_EQUALS},
    {SDL_SCANCODE_BACKSPACE, DIK_BACK},
    {SDL_SCANCODE_TAB, DIK_TAB},
    {SDL_SCANCODE_Q, DIK_Q},
    {SDL_SCANCODE_W, DIK_W},
    {SDL_SCANCODE_E, DIK_E},
    {SDL_SCANCODE_R, DIK_R},
    {SDL_SCANCODE_T, DIK_T},
    {SDL_SCANCODE_Y, DIK_Y},
    {SDL_SCANCODE_U, DIK_U},
    {SDL_SCANCODE_I, DIK_I},
    {SDL_SCANCODE_O, DIK_O},
    {SDL_SCANCODE_P, DIK_P},
    {SDL_SCANCODE_LEFTBRACKET, DIK_LBRACKET},
    {SDL_SCANCODE_RIGHTBRACKET, DIK_RBRACKET},
    {SDL_SCANCODE_RETURN, DIK_RETURN},
    {SDL_SCANCODE_LCTRL, DIK_LCONTROL},
    {SDL_SCANCODE_A, DIK_A},
    {SDL_SCANCODE_S, DIK_S},
    {SDL_SCANCODE_D, DIK_D},
    {SDL_SCANCODE_F, DIK_F},
    {SDL_SCANCODE_G, DIK_G},
    {SDL_SCANCODE_H, DIK_H},
    {SDL_SCANCODE_J, DIK_J},
    {SDL_SCANCODE_K, DIK_K},
    {SDL_SCANCODE_L, DIK_L},
    {SDL_SCANCODE_SEMICOLON, DIK_SEMICOLON},
    {SDL_SCANCODE_APOSTROPHE, DIK_APOSTROPHE},
    {SDL_SCANCODE_GRAVE, DIK_GRAVE},
    {SDL_SCANCODE_LSHIFT, DIK_LSHIFT},
    {SDL_SCANCODE_BACKSLASH, DIK_BACKSLASH},
    {SDL_SCANCODE_NONUSBACKSLASH, DIK_BACKSLASH},
    {SDL_SCANCODE_Z, DIK_Z},
    {SDL_SCANCODE_X, DIK_X},
    {SDL_SCANCODE_C, DIK_C},
    {SDL_SCANCODE_V, DIK_V},
    {SDL_SCANCODE_B, DIK_B},
    {SDL_SCANCODE_N, DIK_N},
    {SDL_SCANCODE_M, DIK_M},
    {SDL_SCANCODE_COMMA, DIK_COMMA},
    {SDL_SCANCODE_PERIOD, DIK_PERIOD},
    {SDL_SCANCODE_SLASH, DIK_SLASH},
    {SDL_SCANCODE_RSHIFT, DIK_RSHIFT},
    {SDL_SCANCODE_KP_MULTIPLY, DIK_MULTIPLY},
    {SDL_SCANCODE_LALT, DIK_LMENU},
    {SDL_SCANCODE_SPACE, DIK_SPACE},
    {SDL_SCANCODE_CAPSLOCK, DIK_CAPITAL},
    {SDL_SCANCODE_F1, DIK_F1},
    {SDL_SCANCODE_F2, DIK_F2},
    {SDL_SCANCODE_F3, DIK_F3},
    {SDL_SCANCODE_F4, DIK_F4},
    {SDL_SCANCODE_F5, DIK_F5},
    {SDL_SCANCODE_F6, DIK_F6},
    {SDL_SCANCODE_F7, DIK_F7},
    {SDL_SCANCODE_F8, DIK_F8},
    {SDL_SCANCODE_F9, DIK_F9},
    {SDL_SCANCODE_F10, DIK_F10},
    {SDL_SCANCODE_NUMLOCKCLEAR, DIK_NUMLOCK},
    {SDL_SCANCODE_SCROLLLOCK, DIK_SCROLL},
    {SDL_SCANCODE_KP_7, DIK_NUMPAD7},
    {SDL_SCANCODE_KP_8, DIK_NUMPAD8},
    {SDL_SCANCODE_KP_9, DIK_NUMPAD9},
    {SDL_SCANCODE_KP_MINUS, DIK_SUBTRACT},
    {SDL_SCANCODE_KP_4, DIK_NUMPAD4},
    {SDL_SCANCODE_KP_5, DIK_NUMPAD5},
    {SDL_SCANCODE_KP_6, DIK_NUMPAD6},
    {SDL_SCANCODE_KP_PLUS, DIK_ADD},
    {SDL_SCANCODE_KP_1, DIK_NUMPAD1},
    {SDL_SCANCODE_KP_2, DIK_NUMPAD2},
    {SDL_SCANCODE_KP_3, DIK_NUMPAD3},
    {SDL_SCANCODE_KP_0, DIK_NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, DIK_DECIMAL},
    {SDL_SCANCODE_F11, DIK_F11},
    {SDL_SCANCODE_F12, DIK_F12},
    {SDL_SCANCODE_KP_EQUALS, DIK_NUMPADEQUALS},
    {SDL_SCANCODE_KP_ENTER, DIK_NUMPADENTER},
    {SDL_SCANCODE_RCTRL, DIK_RCONTROL},
    {SDL_SCANCODE_KP_DIVIDE, DIK_DIVIDE},
    {SDL_SCANCODE_RALT, DIK_RMENU},
    {SDL_SCANCODE_HOME, DIK_HOME},
    {SDL_SCANCODE_UP, DIK_UP},
    {SDL_SCANCODE_PAGEUP, DIK_PRIOR},
    {SDL_SCANCODE_LEFT, DIK_LEFT},
    {SDL_SCANCODE_RIGHT, DIK_RIGHT},
    {SDL_SCANCODE_END, DIK_END},
    {SDL_SCANCODE_DOWN, DIK_DOWN},
    {SDL_SCANCODE_PAGEDOWN, DIK_NEXT},
    {SDL_SCANCODE_INSERT, DIK_INSERT},
    {SDL_SCANCODE_DELETE, DIK_DELETE},
};

constexpr int WHEEL_NOTCH = 120;

}  // namespace

struct CSystem::Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
};

bool ParseCommandLine(const char* commandLine) {
    if (g_groundViewInit) g_groundViewInit();
    char word[255] = {};
    if (!commandLine || std::sscanf(commandLine, "%254s", word) != 1) return false;
    return std::strcmp(word, "window") == 0;
}

CSystem::CSystem()
    : mp_render(NoScreen), mp_update(NoScreen), mp_tick(NoScreen), mp_enter(NoScreen), mp_leave(NoScreen) {
    if (!g_system) g_system = this;
}

CSystem::~CSystem() {
    m_pointer.Release();
    m_pointerBusy.Release();
    if (mp_window || mp_soundManager || mp_headless) CloseSystem();
    if (g_system == this) g_system = nullptr;
}

bool CSystem::SetupHeadless(int width, int height, bool windowed) {
    mp_headless = std::make_unique<CHeadless>();
    UseManualClock(true);
    m_screenWidth = width;
    m_screenHeight = height;
    mb_windowed = windowed;
    m_screen.Resize(width, height);
    SetRenderTarget(&m_screen);
    m_mouseX = width / 2;
    m_mouseY = height / 2;
    m_mouseSpeed = 1.4f;
    mp_soundManager = new SoundManager();
    if (mp_soundManager->Initialize(true, 2) != RESULT_OK)
        mb_soundOff = 1;
    else
        mp_soundManager->SetPrimaryFormat(2, 22050, 16);
    return true;
}

bool CSystem::Setup_System(int /*showCommand*/, int width, int height, bool windowed) {
    mb_windowed = windowed;
    m_screenWidth = width;
    m_screenHeight = height;
    // SDL would turn the signals into a close-box click and its exit question.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    CatchStopSignals();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        SystemMessageBox("Error: Unable to create window.", START_CAPTION, BOX_ERROR);
        return false;
    }
    // Without a display SDL falls back to drivers that show nothing; a game
    // nobody can see must not start unless such a driver was asked for.
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && (!asked || !*asked) &&
        (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        SystemMessageBox("Error: Unable to create window.", START_CAPTION, BOX_ERROR);
        return false;
    }
    // Keep the screen saver away while the game runs.
    SDL_DisableScreenSaver();

    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        SystemMessageBox("Warning: Unable to get adapter display mode. Game may not funtion correctly",
                         START_CAPTION, BOX_WARNING);
    } else if (mb_windowed && (desktop.w < width || desktop.h < height)) {
        char text[300];
        std::snprintf(text, sizeof text,
                      "To run in windowed mode you need to set your desktop resolution to something "
                      "larger than 1024 x 768. Your current resolution is %d x %d. Switching to "
                      "full screen",
                      desktop.w, desktop.h);
        SystemMessageBox(text, "Notice", BOX_PLAIN);
        mb_windowed = false;
    }

    mp_window = std::make_unique<Window>();
    const Uint32 flags = mb_windowed ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP;
    mp_window->window =
        SDL_CreateWindow("Ravelstone", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!mp_window->window) {
        SystemMessageBox("Error: Unable to create window.", START_CAPTION, BOX_ERROR);
        mp_window.reset();
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    mp_window->renderer = SDL_CreateRenderer(mp_window->window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!mp_window->renderer) mp_window->renderer = SDL_CreateRenderer(mp_window->window, -1, 0);
    if (mp_window->renderer) {
        // The 1024 x 768 picture is scaled to the window, keeping its shape.
        SDL_RenderSetLogicalSize(mp_window->renderer, width, height);
        mp_window->texture = SDL_CreateTexture(mp_window->renderer, SDL_PIXELFORMAT_ARGB8888,
                                               SDL_TEXTUREACCESS_STREAMING, width, height);
    }
    if (!mp_window->texture) {
        SystemMessageBox(
            "Error: Please update your graphics drivers. The latest SDL 2 library "
            "and drivers come with your distribution's updates.",
            "SDL 2 renderer needed", BOX_ERROR);
        return false;
    }
    m_screen.Resize(width, height);
    SetRenderTarget(&m_screen);

    if (SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_ARGB8888)) {
        // A red ball with a white seam.
        auto* px = static_cast<uint32_t*>(icon->pixels);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int dx = x - 16, dy = y - 16, d2 = dx * dx + dy * dy;
                uint32_t c = d2 < 196 ? 0xffb01818u : 0;
                if (d2 < 196 && std::abs(dx - dy / 3) <= 1) c = 0xfff4f0e0u;
                px[y * (icon->pitch / 4) + x] = c;
            }
        SDL_SetWindowIcon(mp_window->window, icon);
        SDL_FreeSurface(icon);
    }

    m_mouseSpeed = 1.4f;
    if (mb_windowed) {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        m_mouseX = std::clamp(x, 0, width);
        m_mouseY = std::clamp(y, 0, height);
    } else {
        // Full screen reads raw movement and draws its own pointer.
        SDL_ShowCursor(SDL_DISABLE);
        SDL_SetRelativeMouseMode(SDL_TRUE);
        m_mouseX = width / 2;
        m_mouseY = height / 2;
    }

    mp_soundManager = new SoundManager();
    if (mp_soundManager->Initialize(false, 2) != RESULT_OK) mb_soundOff = 1;
    if (!mb_soundOff) mp_soundManager->SetPrimaryFormat(2, 22050, 16);

    if (!mb_windowed) CaptureAltTab();
    return true;
}

bool CSystem::CaptureAltTab() {
    if (!mp_window) return false;
    // Grabbing the keyboard keeps Alt+Tab in the game where the desktop allows it.
    SDL_SetWindowKeyboardGrab(mp_window->window, SDL_TRUE);
    mb_hotKey = SDL_GetWindowKeyboardGrab(mp_window->window) == SDL_TRUE;
    return mb_hotKey;
}

void CSystem::CloseSystem() {
    if (mp_window) {
        if (mb_hotKey) SDL_SetWindowKeyboardGrab(mp_window->window, SDL_FALSE);
        SDL_EnableScreenSaver();
    }
    if (mp_soundManager) {
        mp_soundManager->Release();
        delete mp_soundManager;
        mp_soundManager = nullptr;
    }
    if (mp_window) {
        if (!mb_windowed) {
            SDL_SetRelativeMouseMode(SDL_FALSE);
            SDL_ShowCursor(SDL_ENABLE);
        }
        if (mp_window->texture) SDL_DestroyTexture(mp_window->texture);
        if (mp_window->renderer) SDL_DestroyRenderer(mp_window->renderer);
        if (mp_window->window) SDL_DestroyWindow(mp_window->window);
        mp_window.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    if (mp_headless) {
        mp_headless.reset();
        UseManualClock(false);
    }
    if (RenderTarget() == &m_screen) SetRenderTarget(nullptr);
}

// ---- Window messages ------------------------------------------------------

void CSystem::CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void CSystem::PumpPlatformEvents() {
    if (g_stopSignal) {
        g_stopSignal = 0;
        PostMessage(WM_DESTROY, 0, 0);
    }
    if (mp_headless) {
        while (!mp_headless->m_events.empty()) {
            m_queue.push_back(mp_headless->m_events.front());
            mp_headless->m_events.pop_front();
        }
        return;
    }
    if (!mp_window) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE)
                    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
                else if (e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                    PostMessage(WM_SIZE, SIZE_MINIMIZED, 0);
                else if (e.window.event == SDL_WINDOWEVENT_RESTORED)
                    PostMessage(WM_SIZE, SIZE_RESTORED, 0);
                else if (e.window.event == SDL_WINDOWEVENT_MAXIMIZED)
                    PostMessage(WM_SIZE, SIZE_MAXIMIZED, 0);
                else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
                    PostMessage(WM_SETFOCUS, 0, 0);
                else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
                    PostMessage(WM_KILLFOCUS, 0, 0);
                else if (e.window.event == SDL_WINDOWEVENT_EXPOSED)
                    PostMessage(WM_PAINT, 0, 0);
                break;
            case SDL_MOUSEMOTION:
                if (mb_windowed) {
                    const int x = std::clamp(e.motion.x, 0, 0xffff), y = std::clamp(e.motion.y, 0, 0xffff);
                    PostMessage(WM_MOUSEMOVE, 0, intptr_t(x) | (intptr_t(y) << 16));
                } else {
                    m_pendingMotion.lX += e.motion.xrel;
                    m_pendingMotion.lY += e.motion.yrel;
                }
                break;
            case SDL_MOUSEWHEEL:
                m_pendingMotion.lZ +=
                    e.wheel.y * WHEEL_NOTCH * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1);
                break;
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET:
                mb_resetPending = true;
                break;
            default:
                break;
        }
    }
}

bool CSystem::PeekMessage(WindowMessage* out, bool remove) {
    PumpPlatformEvents();
    if (m_queue.empty()) return false;
    if (out) *out = m_queue.front();
    if (remove) m_queue.pop_front();
    return true;
}

long CSystem::DispatchMessage(const WindowMessage& message) {
    return WindowProc(message.message, message.wParam, message.lParam);
}

void CSystem::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    m_queue.push_back(WindowMessage{message, wParam, lParam});
}

long CSystem::WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
        case WM_DESTROY:
            PostMessage(WM_QUIT, 0, 0);
            return 0;
        case WM_SIZE:
            if (m_hooks.paused) {
                if (wParam == SIZE_MINIMIZED)
                    *m_hooks.paused = true;
                else if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)
                    *m_hooks.paused = false;
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_CLOSE:
        case WM_KEYDOWN:
        case WM_PAINT:
            return 0;
        case WM_SYSCOMMAND:
            if (wParam == SC_MINIMIZE) {
                if (m_hooks.paused) *m_hooks.paused = true;
                if (mp_window) SDL_MinimizeWindow(mp_window->window);
            } else if (wParam == SC_CLOSE) {
                if (m_hooks.confirmExit) m_hooks.confirmExit();
            }
            // Screen saver and monitor power requests are swallowed.
            return 0;
        case WM_MOUSEMOVE:
            if (mb_windowed) {
                m_mouseX = int(uint32_t(lParam) & 0xffff);
                m_mouseY = int((uint32_t(lParam) >> 16) & 0xffff);
            }
            return 0;
        case WM_POWERBROADCAST:
            return wParam == POWER_QUERY_SUSPEND ? long(POWER_QUERY_DENY) : 0;
        case WM_HOTKEY:
            return wParam == uintptr_t(HOTKEY_ALT_TAB) ? 0 : 1;
        case WM_HOSTLOOKUP:
            if (m_hooks.onHostLookup) m_hooks.onHostLookup(wParam, lParam);
            return 0;
        case WM_SOCKETEVENT:
            if (m_hooks.onSocketEvent) m_hooks.onSocketEvent(wParam, lParam);
            return 0;
        default:
            return 0;
    }
}

// ---- Input ----------------------------------------------------------------

void CSystem::ReadKeyboard() {
    if (mp_headless) {
        std::memcpy(m_keys, mp_headless->m_keys, sizeof m_keys);
        return;
    }
    if (!mp_window) return;
    SDL_PumpEvents();
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    std::memset(m_keys, 0, sizeof m_keys);
    for (const KeyMap& k : KEY_MAP)
        if (k.scan < count && state[k.scan]) m_keys[k.code] = KEY_DOWN;
}

void CSystem::ReadMouse() {
    MouseState state;
    if (mp_headless) {
        state = mp_headless->m_pending;
        mp_headless->m_pending.lX = mp_headless->m_pending.lY = mp_headless->m_pending.lZ = 0;
    } else if (mp_window) {
        state = m_pendingMotion;
        m_pendingMotion = MouseState{};
        const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
        state.rgbButtons[0] = (buttons & SDL_BUTTON_LMASK) ? 0x80 : 0;
        state.rgbButtons[1] = (buttons & SDL_BUTTON_RMASK) ? 0x80 : 0;
        state.rgbButtons[2] = (buttons & SDL_BUTTON_MMASK) ? 0x80 : 0;
    } else {
        return;
    }
    m_mouseState = state;
    mb_leftDown = (state.rgbButtons[0] & 0x80) ? 1 : 0;
    mb_rightDown = (state.rgbButtons[1] & 0x80) ? 1 : 0;
    if (!mb_windowed) {
        m_mouseX += int(float(state.lX) * m_mouseSpeed);
        m_mouseY += int(float(state.lY) * m_mouseSpeed);
        m_mouseX = std::max(0, std::min(m_mouseX, m_screenWidth));
        m_mouseY = std::max(0, std::min(m_mouseY, m_screenHeight));
    }
    m_wheel = state.lZ;
}

int32_t CSystem::HandleLostDevice(void*, void*) {
    if (mp_headless && mp_headless->mb_loseDevice) {
        mp_headless->mb_loseDevice = false;
        mb_resetPending = true;
    }
    if (!mb_resetPending) return 0;
    // The renderer was reset under us (a driver reset, a lost GPU): rebuild
    // the screen texture and let the game reload its pictures around it.
    mb_deviceLost = true;
    if (m_hooks.paused) *m_hooks.paused = true;
    if (mp_unloadTextures) mp_unloadTextures();
    if (m_hooks.releaseGraphics) m_hooks.releaseGraphics();
    if (mp_window) {
        if (mp_window->texture) SDL_DestroyTexture(mp_window->texture);
        mp_window->texture = SDL_CreateTexture(mp_window->renderer, SDL_PIXELFORMAT_ARGB8888,
                                               SDL_TEXTUREACCESS_STREAMING, m_screenWidth, m_screenHeight);
        if (!mp_window->texture) return DEVICE_FAILURE;  // stays paused until restored
    }
    mb_resetPending = false;
    if (m_hooks.createGraphics) m_hooks.createGraphics();
    if (mp_loadTextures) mp_loadTextures();
    if (m_hooks.paused) *m_hooks.paused = false;
    if (m_hooks.renderFrame) m_hooks.renderFrame();
    mb_deviceLost = false;
    return 0;
}

// ---- Frame ----------------------------------------------------------------

void CSystem::Clear(uint32_t colour) {
    m_screen.Clear(colour);
    if (mp_headless) mp_headless->mv_texts.clear();
}

bool CSystem::BeginScene() {
    SetRenderTarget(&m_screen);
    return m_screen.Width() > 0;
}

void CSystem::EndScene() {}

void CSystem::Present() {
    if (!mp_window || !mp_window->texture) return;
    SDL_UpdateTexture(mp_window->texture, nullptr, m_screen.Pixels().data(),
                      m_screen.Width() * int(sizeof(uint32_t)));
    SDL_SetRenderDrawColor(mp_window->renderer, 0, 0, 0, 255);
    SDL_RenderClear(mp_window->renderer);
    SDL_RenderCopy(mp_window->renderer, mp_window->texture, nullptr, nullptr);
    SDL_RenderPresent(mp_window->renderer);
}

bool CSystem::SaveScreenshot(const std::string& nativePath) const {
    return SavePng(m_screen, nativePath);
}

// ---- Headless input -------------------------------------------------------

void CHeadless::ReleaseAllKeys() {
    std::memset(m_keys, 0, sizeof m_keys);
}

void CHeadless::MoveMouse(int x, int y) {
    x = std::clamp(x, 0, 0xffff);
    y = std::clamp(y, 0, 0xffff);
    m_events.push_back(WindowMessage{WM_MOUSEMOVE, 0, intptr_t(x) | (intptr_t(y) << 16)});
}

void CHeadless::MoveMouseBy(int dx, int dy) {
    m_pending.lX += dx;
    m_pending.lY += dy;
}

void CHeadless::SetButtons(bool left, bool right) {
    m_pending.rgbButtons[0] = left ? 0x80 : 0;
    m_pending.rgbButtons[1] = right ? 0x80 : 0;
}

void CHeadless::TurnWheel(int movement) {
    m_pending.lZ += movement;
}
void CHeadless::Minimise() {
    m_events.push_back(WindowMessage{WM_SIZE, SIZE_MINIMIZED, 0});
}
void CHeadless::Restore() {
    m_events.push_back(WindowMessage{WM_SIZE, SIZE_RESTORED, 0});
}
void CHeadless::Close() {
    m_events.push_back(WindowMessage{WM_SYSCOMMAND, SC_CLOSE, 0});
}

}  // namespace ravel
