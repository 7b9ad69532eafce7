// A screen of the game: what CGame calls on the one that is current. The
// screen table owns one object of each screen class; a screen's state lives
// in its object. What a screen keeps from one visit to the next it names as
// kept and clears in Reset; everything else starts fresh in Enter.
#pragma once

#include <cstdint>

namespace ravel {

// What a page is about, handed to it before it opens (CGame::OpenScreen):
// a side, a player, a competition, a message. Each screen's header says
// which fields it reads.
struct ScreenSubject {
    int32_t m_id = 0;
    int32_t m_kind = 0;
    int32_t m_section = 0;
};

class CScreen {
public:
    CScreen() = default;
    virtual ~CScreen() = default;
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    virtual void Render() {}
    virtual void Update() {}
    virtual void Tick() {}
    virtual void Enter() {}
    virtual void Leave() {}
    // Around a renderer reset: the screen's own pictures go and come back.
    virtual void UnloadTextures() {}
    virtual void LoadTextures() {}
    // The subject of the next visit; a screen keeps it until the next one,
    // so that Back and Forward find the page as it was.
    virtual void SetSubject(const ScreenSubject& /*subject*/) {}
    virtual ScreenSubject Subject() const { return {}; }
    // What the screen keeps between visits goes back to a fresh run's: a new
    // career and ResetGameState call it, also on the screen that is shown,
    // whose controls and open page stay until it is left.
    virtual void Reset() {}
};

}  // namespace ravel
