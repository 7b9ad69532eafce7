// CSystem: the one platform object. It owns the window (or none, headless),
// the 1024 x 768 screen canvas, keyboard and mouse state, the sound manager
// and the mouse pointers, and runs the window messages. Everything else
// reaches it through g_system.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "shell/platform/Canvas.h"
#include "shell/platform/CodePage.h"
#include "shell/platform/Font.h"
#include "shell/platform/Keys.h"
#include "shell/platform/Sprite.h"

namespace ravel {

class SoundManager;
class ControlList;
class CHeadless;

// Window messages, handled by CSystem::WindowProc.
enum WindowMessageId : uint32_t {
    WM_NONE = 0,
    WM_DESTROY = 0x0002,
    WM_SIZE = 0x0005,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
    WM_POWERBROADCAST = 0x0218,
    WM_HOTKEY = 0x0312,
};
// WM_SIZE kinds.
inline constexpr uintptr_t SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;
// WM_SYSCOMMAND commands.
inline constexpr uintptr_t SC_MINIMIZE = 0xF020, SC_CLOSE = 0xF060, SC_SCREENSAVE = 0xF140,
                           SC_MONITORPOWER = 0xF170;
inline constexpr uintptr_t POWER_QUERY_SUSPEND = 0;
inline constexpr intptr_t POWER_QUERY_DENY = 0x424D5144;
inline constexpr int HOTKEY_ALT_TAB = 32;
inline constexpr int32_t DEVICE_FAILURE = static_cast<int32_t>(0x80004005u);

struct WindowMessage {
    uint32_t message = WM_NONE;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// What the platform asks of the game. The platform owns this interface; the
// plain version does nothing (platform tests), and the shell installs the
// game's at start-up.
class CPlatformHooks {
public:
    virtual ~CPlatformHooks() = default;
    // The window was minimised (true) or shown again: no frames while paused.
    virtual void SetPaused(bool /*paused*/) {}
    // The window's close box: the exit question.
    virtual void ConfirmExit() {}
    // Around a renderer reset: the game's pictures and the current screen's
    // go and come back, then one frame is drawn.
    virtual void ReleaseGraphics() {}
    virtual void CreateGraphics() {}
    virtual void UnloadScreenTextures() {}
    virtual void LoadScreenTextures() {}
    virtual void RenderFrame() {}
    // The game's option for the live match view's sounds.
    virtual bool MatchViewSoundsOn() const { return false; }
};

// Installs the game's hooks (nullptr restores the plain ones).
void InstallPlatformHooks(CPlatformHooks* hooks);
CPlatformHooks& PlatformHooks();

// Text alignments of DrawText and DrawTextInRect.
inline constexpr int ALIGN_LEFT = 1;
inline constexpr int ALIGN_LEFT2 = 2;  // DrawText only: the same as ALIGN_LEFT
inline constexpr int ALIGN_CENTRE = 3;
inline constexpr uint32_t SHADOW_COLOUR = 0xff000000u;
inline constexpr uint32_t SHADE_COLOUR = 0xff131313u;
inline constexpr int SCREEN_WIDTH = 1024;
inline constexpr int SCREEN_HEIGHT = 768;

// Mouse as read in one tick: movement and wheel since the last read, buttons
// with the high bit set when held.
struct MouseState {
    int32_t lX = 0, lY = 0, lZ = 0;
    uint8_t rgbButtons[4] = {0, 0, 0, 0};
};

enum MouseButton : int { MOUSE_LEFT = 0, MOUSE_RIGHT = 1, MOUSE_MIDDLE = 2, MOUSE_BUTTONS = 3 };

// What the tick's typed text holds besides the characters themselves.
inline constexpr char TYPED_BACKSPACE = '\b';
inline constexpr char TYPED_RETURN = '\r';

// One input event of the keyboard or mouse, queued in the order it happened
// until a tick takes it.
struct InputEvent {
    enum Kind : uint8_t {
        MOVE_TO,  // pointer position: x, y
        BUTTON,   // code: MouseButton
        WHEEL,    // y: movement, WHEEL_NOTCH a notch
        KEY,      // code: the game's key code
        TEXT,     // code: one character of the game's code page, or UNTYPABLE
    };
    Kind kind = MOVE_TO;
    bool down = false;  // BUTTON and KEY
    int code = 0;
    int x = 0, y = 0;
    int clicks = 1;  // BUTTON down: 2 for the second press of a double click, 3 a triple
};
inline constexpr int WHEEL_NOTCH = 120;

// True when the command line's first word is exactly "window".
bool ParseCommandLine(const char* commandLine);

class CSystem {
public:
    CSystem();
    ~CSystem();
    CSystem(const CSystem&) = delete;
    CSystem& operator=(const CSystem&) = delete;

    // A window of width x height (full screen scales it to the desktop);
    // false with an error box when it cannot be made.
    bool Setup_System(int showCommand, int width, int height, bool windowed);
    // No window, no audio device, a manual clock, scripted input. Runs as
    // windowed (the pointer follows CHeadless::MoveMouse) unless told not to.
    bool SetupHeadless(int width = SCREEN_WIDTH, int height = SCREEN_HEIGHT, bool windowed = true);
    void CloseSystem();
    bool Headless() const { return mp_headless != nullptr; }
    CHeadless* HeadlessInput() { return mp_headless.get(); }

    // Window messages: PeekMessage pumps the platform's events into the queue
    // first; DispatchMessage hands one to WindowProc.
    bool PeekMessage(WindowMessage* out, bool remove);
    // Waits up to the milliseconds for the window's next event (input, a
    // resize, a close) and returns at once when one comes; without a window,
    // or on the manual clock, simply sleeps them.
    void WaitForEvent(uint32_t milliseconds);
    long DispatchMessage(const WindowMessage& message);
    void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    long WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // Each tick takes the queued input in order, up to the point where a
    // second change of the same key, or a mouse event after a button change,
    // would hide the first from the game; the rest waits for the next tick.
    // ReadKeyboard takes it, ReadMouse hands out the mouse's share.
    void ReadKeyboard();
    void ReadMouse();
    bool KeyDown(int code) const { return (m_keys[code & 0xff] & KEY_DOWN) != 0; }
    // What lies under the pointer has changed (another screen, a window opened
    // or closed): the rest of a double click begun before is not a click on
    // what is there now, so its presses and releases are dropped.
    void SceneChanged() { ++m_scene; }
    // The characters typed in this tick, in order, in the game's code page;
    // TYPED_BACKSPACE and TYPED_RETURN stand where those keys went down.
    const std::string& TypedText() const { return m_typed; }
    bool InputWaiting() const { return !m_input.empty(); }
    // 0 when the screen can be drawn; DEVICE_FAILURE otherwise. After a
    // renderer reset it runs the rebuild: unload, release, reset, create,
    // load, one frame.
    int32_t HandleLostDevice(void* = nullptr, void* = nullptr);
    bool CaptureAltTab();

    // The frame: clear, draw, present.
    void Clear(uint32_t colour);
    bool BeginScene();
    void EndScene();
    // Shows the canvas, unless it is what the window already shows: a still
    // picture is not sent again. Counted in m_presentCount.
    void Present();
    CCanvas& Screen() { return m_screen; }
    bool SaveScreenshot(const std::string& nativePath) const;

    void DrawLine(int x1, int y1, int x2, int y2, uint32_t colour);
    void FillRect(int left, int top, int right, int bottom, uint32_t colour);
    void ShadeRect(int left, int top, int right, int bottom);
    void FillRectBlended(int left, int top, int right, int bottom, uint32_t colour);
    void DrawText(int x, int y, int alignment, uint32_t colour, CFont* font, const char* format, ...)
        __attribute__((format(printf, 7, 8)));
    void DrawTextInRect(int left, int top, int right, int bottom, int alignment, uint32_t colour, CFont* font,
                        const char* format, ...) __attribute__((format(printf, 9, 10)));
    void DrawTextV(int x, int y, int alignment, uint32_t colour, CFont* font, const char* format,
                   va_list args);
    // Width of a text in a font; 20 when the fonts failed (the controls' rule).
    static int TextWidth(CFont* font, const char* text);

    // Fields, as the rest of the game reads them.
    float m_clockSeconds = 0.0f;  // game clock: raised 0.01 per tick
    std::unique_ptr<CFont> mp_systemFont;
    bool mb_deviceLost = false;
    int m_screenWidth = SCREEN_WIDTH;
    int m_screenHeight = SCREEN_HEIGHT;
    bool mb_windowed = false;
    MouseState m_mouseState;
    uint8_t mb_leftDown = 0;
    uint8_t mb_rightDown = 0;
    uint8_t mb_mouseConsumed = 0;  // kept by the control dispatch
    int m_mouseX = 0;
    int m_mouseY = 0;
    int m_wheel = 0;
    uint8_t m_keys[KEY_COUNT] = {};
    uint8_t mb_soundOff = 0;
    SoundManager* mp_soundManager = nullptr;
    int64_t m_presentTime = 0;
    int64_t m_nextTick = 0;
    ControlList* mp_controlList = nullptr;
    CSprite m_pointer;
    CSprite m_pointerBusy;
    uint8_t mb_drawPointer = 0;
    uint8_t mb_blend = 0;         // set only while a blended fill runs
    uint64_t m_presentCount = 0;  // pictures sent to the window (or that would be, headless)
    uint64_t m_inputCount = 0;    // input events the ticks have taken

    // SIGINT and SIGTERM end the main loop as a closed window does once its
    // exit is confirmed. The windowed set-up installs this.
    static void CatchStopSignals();

private:
    struct Window;
    void PumpPlatformEvents();
    void PumpWindowEvents();
    void TakeTickInput();
    void TakeInputEvent(const InputEvent& e);
    // True when a button event belongs to a double click dropped by SceneChanged.
    bool DropsButtonEvent(const InputEvent& e);

    CCanvas m_screen;
    std::vector<uint32_t> m_shown;  // the picture the window shows
    bool mb_showAgain = true;       // the window lost its picture: send it even if unchanged
    MouseState m_pendingMotion;     // movement and wheel taken since the last ReadMouse
    bool mb_buttons[MOUSE_BUTTONS] = {};
    uint64_t m_scene = 0;
    uint64_t m_sceneAtPress[MOUSE_BUTTONS] = {};
    bool mb_dropClicks[MOUSE_BUTTONS] = {};  // the press sequence under way began on another scene
    bool mb_dropHeld[MOUSE_BUTTONS] = {};    // a dropped press waits for its release
    bool mb_inputTaken = false;              // ReadKeyboard has taken this tick's input
    std::string m_typed;
    std::deque<InputEvent> m_input;
    std::deque<WindowMessage> m_queue;
    std::unique_ptr<Window> mp_window;
    std::unique_ptr<CHeadless> mp_headless;
    bool mb_hotKey = false;
    bool mb_resetPending = false;  // the renderer lost its screen texture
    bool mb_quitPosted = false;
};

extern CSystem* g_system;

// A text as the frame drew it: x is the left end, or the centre of centred
// text; a wrapped text keeps its rectangle's left and top.
struct DrawnText {
    int x = 0;
    int y = 0;
    int alignment = ALIGN_LEFT;
    uint32_t colour = 0;
    std::string text;
};

// Scripted input for headless runs. Everything is queued as the platform
// queues its events, so a tick may see a press and its release, or many
// characters. The keyboard types as a US layout does. It also keeps the
// texts drawn since the screen was last cleared, for tests to read.
class CHeadless {
public:
    void PressKey(int code);
    void ReleaseKey(int code);
    void ReleaseAllKeys();
    void TapKey(int code) {
        PressKey(code);
        ReleaseKey(code);
    }
    // UTF-8 text, as the platform's text input gives it under any layout.
    void TypeText(const char* text);
    // The pointer's position on the screen, in a window or full screen.
    void MoveMouse(int x, int y);
    void SetButtons(bool left, bool right);
    // Press and release at (x, y) at once, as a quick hand does; clicks is the
    // press's count as the platform reports it (2: the second of a double click).
    void Click(int x, int y, int clicks = 1);
    void DoubleClick(int x, int y) {
        Click(x, y, 1);
        Click(x, y, 2);
    }
    void TurnWheel(int movement);
    void Minimise();
    void Restore();
    void Close();                                // the window's close box
    void LoseDevice() { mb_loseDevice = true; }  // as a driver reset does

    std::deque<InputEvent> m_input;
    std::deque<WindowMessage> m_events;
    bool mb_loseDevice = false;
    std::vector<DrawnText> mv_texts;

private:
    void Button(int button, bool down, int clicks = 1);

    uint8_t m_keys[KEY_COUNT] = {};
    bool mb_buttons[MOUSE_BUTTONS] = {};
};

}  // namespace ravel
