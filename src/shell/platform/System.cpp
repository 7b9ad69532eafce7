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

namespace {

CPlatformHooks g_plainHooks;
CPlatformHooks* g_hooks = &g_plainHooks;

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

// The game's code of a key; 0 for a key the game does not know. Letters
// follow the keyboard's layout, so that a key the game names ("press Q") is
// the key marked so; the other keys keep their place.
int GameKey(const SDL_Keysym& key) {
    SDL_Scancode scan = key.scancode;
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) scan = SDL_Scancode(SDL_SCANCODE_A + (key.sym - SDLK_a));
    for (const KeyMap& k : KEY_MAP)
        if (k.scan == scan) return k.code;
    return 0;
}

// The characters of the US layout, for the headless keyboard.
struct UsKey {
    int key;
    char plain, shifted;
};
constexpr UsKey US_LAYOUT[] = {
    {DIK_A, 'a', 'A'},         {DIK_B, 'b', 'B'},
    {DIK_C, 'c', 'C'},         {DIK_D, 'd', 'D'},
    {DIK_E, 'e', 'E'},         {DIK_F, 'f', 'F'},
    {DIK_G, 'g', 'G'},         {DIK_H, 'h', 'H'},
    {DIK_I, 'i', 'I'},         {DIK_J, 'j', 'J'},
    {DIK_K, 'k', 'K'},         {DIK_L, 'l', 'L'},
    {DIK_M, 'm', 'M'},         {DIK_N, 'n', 'N'},
    {DIK_O, 'o', 'O'},         {DIK_P, 'p', 'P'},
    {DIK_Q, 'q', 'Q'},         {DIK_R, 'r', 'R'},
    {DIK_S, 's', 'S'},         {DIK_T, 't', 'T'},
    {DIK_U, 'u', 'U'},         {DIK_V, 'v', 'V'},
    {DIK_W, 'w', 'W'},         {DIK_X, 'x', 'X'},
    {DIK_Y, 'y', 'Y'},         {DIK_Z, 'z', 'Z'},
    {DIK_1, '1', '!'},         {DIK_2, '2', '@'},
    {DIK_3, '3', '#'},         {DIK_4, '4', '$'},
    {DIK_5, '5', '%'},         {DIK_6, '6', '^'},
    {DIK_7, '7', '&'},         {DIK_8, '8', '*'},
    {DIK_9, '9', '('},         {DIK_0, '0', ')'},
    {DIK_MINUS, '-', '_'},     {DIK_EQUALS, '=', '+'},
    {DIK_LBRACKET, '[', '{'},  {DIK_RBRACKET, ']', '}'},
    {DIK_SEMICOLON, ';', ':'}, {DIK_APOSTROPHE, '\'', '"'},
    {DIK_GRAVE, '`', '~'},     {DIK_BACKSLASH, '\\', '|'},
    {DIK_COMMA, ',', '<'},     {DIK_PERIOD, '.', '>'},
    {DIK_SLASH, '/', '?'},     {DIK_SPACE, ' ', ' '},
    {DIK_NUMPAD0, '0', '0'},   {DIK_NUMPAD1, '1', '1'},
    {DIK_NUMPAD2, '2', '2'},   {DIK_NUMPAD3, '3', '3'},
    {DIK_NUMPAD4, '4', '4'},   {DIK_NUMPAD5, '5', '5'},
    {DIK_NUMPAD6, '6', '6'},   {DIK_NUMPAD7, '7', '7'},
    {DIK_NUMPAD8, '8', '8'},   {DIK_NUMPAD9, '9', '9'},
    {DIK_DECIMAL, '.', '.'},   {DIK_ADD, '+', '+'},
    {DIK_SUBTRACT, '-', '-'},  {DIK_MULTIPLY, '*', '*'},
    {DIK_DIVIDE, '/', '/'},    {DIK_NUMPADEQUALS, '=', '='},
};

// Text input as the game keeps it: one code-page character per Unicode
// character, UNTYPABLE for one it has none for; control characters are no text.
void QueueText(std::deque<InputEvent>& queue, const char* utf8) {
    for (const uint32_t code : DecodeUtf8(utf8)) {
        if (code < 0x20 || code == 0x7f) continue;
        const int c = UnicodeToCodePage(code);
        InputEvent e;
        e.kind = InputEvent::TEXT;
        e.code = c < 0 ? uint8_t(UNTYPABLE) : c;
        queue.push_back(e);
    }
}

}  // namespace

struct CSystem::Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int keyOf[SDL_NUM_SCANCODES] = {};  // the game key each held key went down as
};

void InstallPlatformHooks(CPlatformHooks* hooks) {
    g_hooks = hooks ? hooks : &g_plainHooks;
}

CPlatformHooks& PlatformHooks() {
    return *g_hooks;
}

bool ParseCommandLine(const char* commandLine) {
    char word[255] = {};
    if (!commandLine || std::sscanf(commandLine, "%254s", word) != 1) return false;
    return std::strcmp(word, "window") == 0;
}

CSystem::CSystem() {
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
    // One click on the close box is one close, not a close and a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
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
    // Typed characters come as the keyboard's layout makes them.
    SDL_StartTextInput();

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

    if (mb_windowed) {
        int x = 0, y = 0;
        SDL_GetMouseState(&x, &y);
        m_mouseX = std::clamp(x, 0, width);
        m_mouseY = std::clamp(y, 0, height);
    } else {
        // Full screen draws its own pointer where the desktop's pointer is,
        // kept on the game's screen. Raw movement would lose every move that
        // is not a mouse's (a tablet, a remote desktop, a warped pointer) and
        // a click would then land where the game's pointer had stayed.
        SDL_ShowCursor(SDL_DISABLE);
        SDL_SetWindowGrab(mp_window->window, SDL_TRUE);
        int w = 0, h = 0;
        SDL_GetWindowSize(mp_window->window, &w, &h);
        SDL_WarpMouseInWindow(mp_window->window, w / 2, h / 2);
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
            SDL_SetWindowGrab(mp_window->window, SDL_FALSE);
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
        while (!mp_headless->m_input.empty()) {
            m_input.push_back(mp_headless->m_input.front());
            mp_headless->m_input.pop_front();
        }
        return;
    }
    if (mp_window) PumpWindowEvents();
}

void CSystem::PumpWindowEvents() {
    Window& w = *mp_window;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                    PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                    PostMessage(WM_SIZE, SIZE_MINIMIZED, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_RESTORED) {
                    PostMessage(WM_SIZE, SIZE_RESTORED, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_MAXIMIZED) {
                    PostMessage(WM_SIZE, SIZE_MAXIMIZED, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                    PostMessage(WM_SETFOCUS, 0, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                    PostMessage(WM_KILLFOCUS, 0, 0);
                } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    PostMessage(WM_PAINT, 0, 0);
                }
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_SHOWN)
                    mb_showAgain = true;
                break;
            case SDL_MOUSEMOTION:
                m_input.push_back({InputEvent::MOVE_TO, false, 0, e.motion.x, e.motion.y});
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                const int button = e.button.button == SDL_BUTTON_LEFT     ? MOUSE_LEFT
                                   : e.button.button == SDL_BUTTON_RIGHT  ? MOUSE_RIGHT
                                   : e.button.button == SDL_BUTTON_MIDDLE ? MOUSE_MIDDLE
                                                                          : -1;
                if (button < 0) break;
                m_input.push_back({InputEvent::MOVE_TO, false, 0, e.button.x, e.button.y});
                m_input.push_back({InputEvent::BUTTON, e.type == SDL_MOUSEBUTTONDOWN, button, 0, 0,
                                   std::max<int>(1, e.button.clicks)});
                break;
            }
            case SDL_MOUSEWHEEL:
                m_input.push_back(
                    {InputEvent::WHEEL, false, 0, 0,
                     e.wheel.y * WHEEL_NOTCH * (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1)});
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const SDL_Scancode scan = e.key.keysym.scancode;
                if (scan < 0 || scan >= SDL_NUM_SCANCODES) break;
                const bool down = e.type == SDL_KEYDOWN;
                // A held key acts once; its repeats only type (below). Under X a
                // release and press of one key in quick succession, as in "mm"
                // typed fast, also comes as a repeat.
                if (down && e.key.repeat) break;
                const int code = down ? GameKey(e.key.keysym) : w.keyOf[scan];
                w.keyOf[scan] = down ? code : 0;
                if (code) m_input.push_back({InputEvent::KEY, down, code, 0, 0});
                break;
            }
            case SDL_TEXTINPUT:
                QueueText(m_input, e.text.text);
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

void CSystem::WaitForEvent(uint32_t milliseconds) {
    if (!mp_window || !m_queue.empty() || ManualClock()) {
        if (m_queue.empty()) Sleep(milliseconds);
        return;
    }
    // The event stays queued for the next pass's PeekMessage.
    SDL_WaitEventTimeout(nullptr, static_cast<int>(milliseconds));
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
            if (wParam == SIZE_MINIMIZED)
                g_hooks->SetPaused(true);
            else if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED)
                g_hooks->SetPaused(false);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_CLOSE:
        case WM_KEYDOWN:
        case WM_PAINT:
            return 0;
        case WM_SYSCOMMAND:
            if (wParam == SC_MINIMIZE) {
                g_hooks->SetPaused(true);
                if (mp_window) SDL_MinimizeWindow(mp_window->window);
            } else if (wParam == SC_CLOSE) {
                g_hooks->ConfirmExit();
            }
            // Screen saver and monitor power requests are swallowed.
            return 0;
        case WM_MOUSEMOVE:
            m_mouseX = std::min(int(uint32_t(lParam) & 0xffff), m_screenWidth);
            m_mouseY = std::min(int((uint32_t(lParam) >> 16) & 0xffff), m_screenHeight);
            return 0;
        case WM_POWERBROADCAST:
            return wParam == POWER_QUERY_SUSPEND ? long(POWER_QUERY_DENY) : 0;
        case WM_HOTKEY:
            return wParam == uintptr_t(HOTKEY_ALT_TAB) ? 0 : 1;
        default:
            return 0;
    }
}

// ---- Input ----------------------------------------------------------------

void CSystem::ReadKeyboard() {
    TakeTickInput();
}

void CSystem::TakeTickInput() {
    PumpPlatformEvents();
    m_typed.clear();
    bool keyChanged[KEY_COUNT] = {};
    bool buttonChanged[MOUSE_BUTTONS] = {};
    bool anyButtonChanged = false;
    while (!m_input.empty()) {
        const InputEvent e = m_input.front();
        const bool move = e.kind == InputEvent::MOVE_TO;
        const bool button = e.kind == InputEvent::BUTTON && e.code >= 0 && e.code < MOUSE_BUTTONS;
        const int key = e.code & 0xff;
        // A press is seen where it happened; a second change waits its turn.
        if (move && anyButtonChanged) break;
        if (button && buttonChanged[e.code]) break;
        if (e.kind == InputEvent::KEY && keyChanged[key]) break;
        if (button && mb_buttons[e.code] != e.down) buttonChanged[e.code] = anyButtonChanged = true;
        if (e.kind == InputEvent::KEY && KeyDown(key) != e.down) keyChanged[key] = true;
        TakeInputEvent(e);
        m_input.pop_front();
        ++m_inputCount;
    }
    mb_inputTaken = true;
}

void CSystem::TakeInputEvent(const InputEvent& e) {
    switch (e.kind) {
        case InputEvent::MOVE_TO:
            // A scaled full screen reports the bars beside the picture as
            // positions off the screen; the pointer stops at its edges.
            m_mouseX = std::clamp(e.x, 0, m_screenWidth);
            m_mouseY = std::clamp(e.y, 0, m_screenHeight);
            break;
        case InputEvent::BUTTON:
            if (e.code >= 0 && e.code < MOUSE_BUTTONS && !DropsButtonEvent(e)) mb_buttons[e.code] = e.down;
            break;
        case InputEvent::WHEEL:
            m_pendingMotion.lZ += e.y;
            break;
        case InputEvent::KEY: {
            const int key = e.code & 0xff;
            if (e.down && !KeyDown(key)) {
                if (key == DIK_BACK) m_typed += TYPED_BACKSPACE;
                if (key == DIK_RETURN) m_typed += TYPED_RETURN;
            }
            m_keys[key] = e.down ? KEY_DOWN : 0;
            break;
        }
        case InputEvent::TEXT:
            m_typed += char(e.code);
            break;
    }
}

bool CSystem::DropsButtonEvent(const InputEvent& e) {
    const int b = e.code;
    if (!e.down) {
        const bool dropped = mb_dropHeld[b];
        mb_dropHeld[b] = false;
        return dropped;
    }
    // A single press starts a new sequence; a later press of it is dropped
    // once the scene has changed since the one before, and so is the rest.
    if (e.clicks <= 1) {
        mb_dropClicks[b] = false;
    } else if (m_scene != m_sceneAtPress[b]) {
        mb_dropClicks[b] = true;
    }
    m_sceneAtPress[b] = m_scene;
    mb_dropHeld[b] = mb_dropClicks[b];
    return mb_dropHeld[b];
}

void CSystem::ReadMouse() {
    if (!mb_inputTaken) TakeTickInput();
    mb_inputTaken = false;
    MouseState state = m_pendingMotion;
    m_pendingMotion = MouseState{};
    for (int b = 0; b < MOUSE_BUTTONS; ++b) state.rgbButtons[b] = mb_buttons[b] ? KEY_DOWN : 0;
    m_mouseState = state;
    mb_leftDown = mb_buttons[MOUSE_LEFT] ? 1 : 0;
    mb_rightDown = mb_buttons[MOUSE_RIGHT] ? 1 : 0;
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
    g_hooks->SetPaused(true);
    g_hooks->UnloadScreenTextures();
    g_hooks->ReleaseGraphics();
    if (mp_window) {
        if (mp_window->texture) SDL_DestroyTexture(mp_window->texture);
        mp_window->texture = SDL_CreateTexture(mp_window->renderer, SDL_PIXELFORMAT_ARGB8888,
                                               SDL_TEXTUREACCESS_STREAMING, m_screenWidth, m_screenHeight);
        if (!mp_window->texture) return DEVICE_FAILURE;  // stays paused until restored
    }
    mb_resetPending = false;
    mb_showAgain = true;  // the new texture holds nothing yet
    g_hooks->CreateGraphics();
    g_hooks->LoadScreenTextures();
    g_hooks->SetPaused(false);
    g_hooks->RenderFrame();
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
    const std::vector<uint32_t>& pixels = m_screen.Pixels();
    const int width = m_screen.Width();
    if (width <= 0) return;
    // Only the band of rows that changed is sent.
    int first = 0, last = m_screen.Height() - 1;
    if (!mb_showAgain && m_shown.size() == pixels.size()) {
        const size_t row = size_t(width);
        auto same = [&](int y) {
            return std::equal(pixels.begin() + ptrdiff_t(y * row), pixels.begin() + ptrdiff_t((y + 1) * row),
                              m_shown.begin() + ptrdiff_t(y * row));
        };
        while (first <= last && same(first)) ++first;
        if (first > last) return;
        while (same(last)) --last;
    }
    if (m_shown.size() != pixels.size()) m_shown.assign(pixels.size(), 0);
    std::copy(pixels.begin() + ptrdiff_t(first * width), pixels.begin() + ptrdiff_t((last + 1) * width),
              m_shown.begin() + ptrdiff_t(first * width));
    mb_showAgain = false;
    ++m_presentCount;
    if (!mp_window || !mp_window->texture) return;
    const SDL_Rect band{0, first, width, last - first + 1};
    SDL_UpdateTexture(mp_window->texture, &band, pixels.data() + size_t(first) * size_t(width),
                      width * int(sizeof(uint32_t)));
    SDL_SetRenderDrawColor(mp_window->renderer, 0, 0, 0, 255);
    SDL_RenderClear(mp_window->renderer);
    SDL_RenderCopy(mp_window->renderer, mp_window->texture, nullptr, nullptr);
    SDL_RenderPresent(mp_window->renderer);
}

bool CSystem::SaveScreenshot(const std::string& nativePath) const {
    return SavePng(m_screen, nativePath);
}

// ---- Headless input -------------------------------------------------------

void CHeadless::PressKey(int code) {
    const int key = code & 0xff;
    if (m_keys[key]) return;
    m_keys[key] = KEY_DOWN;
    m_input.push_back({InputEvent::KEY, true, key, 0, 0});
    const bool shift = m_keys[DIK_LSHIFT] || m_keys[DIK_RSHIFT];
    for (const UsKey& k : US_LAYOUT) {
        if (k.key != key) continue;
        const char typed[2] = {shift ? k.shifted : k.plain, '\0'};
        QueueText(m_input, typed);
    }
}

void CHeadless::ReleaseKey(int code) {
    const int key = code & 0xff;
    if (!m_keys[key]) return;
    m_keys[key] = 0;
    m_input.push_back({InputEvent::KEY, false, key, 0, 0});
}

void CHeadless::ReleaseAllKeys() {
    for (int key = 0; key < KEY_COUNT; ++key) ReleaseKey(key);
}

void CHeadless::TypeText(const char* text) {
    QueueText(m_input, text);
}

void CHeadless::MoveMouse(int x, int y) {
    m_input.push_back({InputEvent::MOVE_TO, false, 0, x, y});
}

void CHeadless::Button(int button, bool down, int clicks) {
    if (mb_buttons[button] == down) return;
    mb_buttons[button] = down;
    m_input.push_back({InputEvent::BUTTON, down, button, 0, 0, clicks});
}

void CHeadless::SetButtons(bool left, bool right) {
    Button(MOUSE_LEFT, left);
    Button(MOUSE_RIGHT, right);
}

void CHeadless::Click(int x, int y, int clicks) {
    MoveMouse(x, y);
    Button(MOUSE_LEFT, true, clicks);
    Button(MOUSE_LEFT, false);
}

void CHeadless::TurnWheel(int movement) {
    m_input.push_back({InputEvent::WHEEL, false, 0, 0, movement});
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
