// A headless platform, a game object and one control list, with scripted
// ticks of mouse and keys for the control tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "shell/Game.h"
#include "shell/gui/Control.h"
#include "shell/gui/MessageBox.h"
#include "shell/platform/System.h"

namespace ravel {

inline std::string GuiScratch(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / ("ravel_gui_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

class GuiTest : public testing::Test {
protected:
    void SetUp() override {
        g_system = nullptr;
        m_system = std::make_unique<CSystem>();
        ASSERT_TRUE(m_system->SetupHeadless());
        g_system = m_system.get();
        m_game = std::make_unique<CGame>();
        g_game = m_game.get();
        m_list.mp_skin = m_game->m_skin.Sprites();
    }
    void TearDown() override {
        // A message a test left queued would meet the next test's game.
        CMessageBox::s_messageQueue.clear();
        CMessageBox::s_messageAnswer = 0;
        g_game = nullptr;
        m_game.reset();
        m_system->CloseSystem();
        m_system.reset();
        g_system = nullptr;
    }

    // One tick: the pointer at (x, y) with the buttons as given, the input
    // read as the game reads it, then the list's dispatch.
    void Tick(int x, int y, bool left, bool right = false) {
        ReadInput(x, y, left, right);
        m_list.DispatchMouse(m_system->m_mouseX, m_system->m_mouseY, m_system->mb_leftDown,
                             m_system->mb_rightDown);
    }
    void ReadInput(int x, int y, bool left, bool right = false) {
        CHeadless* input = m_system->HeadlessInput();
        input->MoveMouse(x, y);
        input->SetButtons(left, right);
        WindowMessage message;
        while (m_system->PeekMessage(&message, true)) m_system->DispatchMessage(message);
        m_system->ReadKeyboard();
        m_system->ReadMouse();
    }
    void Click(int x, int y) {
        Tick(x, y, true);
        Tick(x, y, false);
    }
    void Press(int key) { m_system->HeadlessInput()->PressKey(key); }
    void Release(int key) { m_system->HeadlessInput()->ReleaseKey(key); }
    void Wheel(int movement) { m_system->HeadlessInput()->TurnWheel(movement); }

    std::unique_ptr<CSystem> m_system;
    std::unique_ptr<CGame> m_game;
    ControlList m_list;
};

}  // namespace ravel
