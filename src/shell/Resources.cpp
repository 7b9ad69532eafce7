#include "shell/Resources.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/Game.h"
#include "shell/gui/MessageBox.h"
#include "shell/platform/Clock.h"
#include "shell/platform/Files.h"
#include "shell/platform/Sound.h"
#include "shell/platform/System.h"
#include "world/Services.h"

namespace ravel {

CSprite* s_groundSprites[GROUND_SPRITES] = {};

namespace {

constexpr const char* GAME_CAPTION = "Ravelstone";
constexpr const char* BAD_TILE = "gfx/bad.bmp";

constexpr const char* GROUND_FILES[GROUND_SPRITES] = {
    "gfx/sprites/playerbowler.bmp",
    "gfx/sprites/playerb1.bmp",
    "gfx/sprites/playerb2.bmp",
    "gfx/sprites/playerwk.bmp",
    "gfx/sprites/player.bmp",
    "gfx/sprites/ball1.bmp",
    "gfx/sprites/ball2.bmp",
    "gfx/sprites/ball3.bmp",
    "gfx/sprites/ball4.bmp",
    "gfx/sprites/ballshadow.bmp",
    "gfx/sprites/umpwi.bmp",
    nullptr,
    nullptr,
    "gfx/sprites/stumps_intact.bmp",
    "gfx/sprites/stumps_broken.bmp",
    "gfx/sprites/umpsl.bmp",
};

constexpr const char* SOUND_FILES[SOUND_SLOTS] = {
    "sound/ht1.wav",
    "sound/ht1.wav",
    "sound/ht2.wav",
    "sound/noball1.wav",
    "sound/noball2.wav",
    "sound/wide1.wav",
    "sound/noise_mid.wav",
    "sound/cheergoodstart2.wav",
    "sound/cheerloopgreat2.wav",
    "sound/wicketfall3.wav",
    "sound/wicketfall2.wav",
    "sound/clapsloop.wav",
    "sound/ht3.wav",
    "sound/ht4.wav",
    "sound/ht5.wav",
    "sound/voiceyes1.wav",
    "sound/voiceyes2.wav",
    "sound/voiceyes3.wav",
};

void AddAll(std::vector<std::string>& out, const char* folder, std::initializer_list<const char*> names) {
    for (const char* name : names) out.push_back(std::string(folder) + name);
}

// Gaps hold the placeholder so that the tiles after them keep their numbers.
std::vector<std::string> MakeTileFiles() {
    std::vector<std::string> t;
    AddAll(t, "gfx/tiles/ball/",
           {"BALL-new.bmp", "BALL-newish.bmp", "BALL-ave.bmp", "BALL-oldish.bmp", "BALL-old.bmp",
            "BALL-dead.bmp"});
    for (int n = 10; n >= 0; --n) t.push_back("gfx/tiles/pitch/Green" + std::to_string(n) + ".bmp");
    for (int i = 0; i < 17; ++i) t.push_back(BAD_TILE);
    AddAll(t, "gfx/sprites/", {"icon_ball.bmp", "icon_bat.bmp"});
    for (int n = 0; n <= 6; ++n) t.push_back("gfx/tiles/outcomes/RUN" + std::to_string(n) + ".bmp");
    for (int n = 1; n <= 11; ++n) t.push_back("gfx/pics/flags/" + std::to_string(n) + ".bmp");
    AddAll(t, "gfx/pics/flags/", {"up.bmp", "down.bmp", "same.bmp"});
    AddAll(t, "gfx/sprites/", {"icon_ar.bmp", "icon_ar.bmp", "icon_wk.bmp"});
    AddAll(t, "gfx/tiles/outcomes/",
           {"runnb.bmp", "runwlbw.bmp", "runwb.bmp", "runwct.bmp", "runwide.bmp", "runbye.bmp", "runst.bmp",
            "runruno.bmp"});
    AddAll(t, "gfx/tiles/balltypesl/", {"btlen_gl.bmp", "btlen_sh.bmp", "btlen_yo.bmp", "btlen_bo.bmp"});
    AddAll(t, "gfx/tiles/balltypesm/",
           {"btmov_st.bmp", "btmov_in.bmp", "btmov_out.bmp", "btmov_offcut.bmp", "btmov_legcut.bmp",
            "btmov_slow.bmp"});
    AddAll(t, "gfx/tiles/shots/",
           {"SHOT_DRIVE.bmp", "shot_hook.bmp", "shot_pull.bmp", "shot_cut.bmp", "shot_sweep.bmp",
            "shot_legglance.bmp", "shot_ondrive.bmp", "SHOT_DRIVE.bmp"});
    t.push_back(BAD_TILE);
    for (const char* kind : {"bat", "bowl"}) {
        for (const char* step : {"up3", "up2", "up1", "norm", "down1", "down2", "down3"}) {
            t.push_back(std::string("gfx/tiles/form/") + kind + "_" + step + ".bmp");
        }
    }
    AddAll(t, "gfx/sprites/", {"icon_bat_o.bmp", "icon_int.bmp", "icon_world.bmp", "icon_inj.bmp"});
    for (const char* size : {"norm", "small"}) {
        AddAll(t, (std::string("gfx/tiles/weather/") + size + "/").c_str(),
               {"1-VCLOUDY.bmp", "2-OVERCAST.bmp", "3-MODERATE.bmp", "4-SUNNY.bmp", "5-HOT.bmp",
                "6-TROPICAL.bmp", "RAIN_LIGHT.bmp", "RAIN_MID.bmp", "RAIN_HEAVY.bmp"});
    }
    for (int n = 1; n <= 5; ++n) {
        t.push_back("gfx/tiles/bounce/pitchsurface_" + std::to_string(n) + ".bmp");
    }
    for (int n = 5; n >= 1; --n) t.push_back("gfx/tiles/turn/turn" + std::to_string(n) + ".bmp");
    AddAll(t, "gfx/tiles/balltypesm/",
           {"btmov_offb.bmp", "btmov_legb.bmp", "btmov_stra.bmp", "btmov_wro.bmp", "btmov_spe.bmp"});
    AddAll(t, "gfx/sprites/", {"icon_arop.bmp", "icon_wkop.bmp", "icon_ballop.bmp", "noplayer.bmp"});
    return t;
}

const std::vector<std::string>& TileFiles() {
    static const std::vector<std::string> files = MakeTileFiles();
    return files;
}

void LoadSkinPicture(CSprite& sprite, const char* skin, const char* file) {
    char path[256];
    std::snprintf(path, sizeof path, "gfx/gui/%s/%s", skin, file);
    sprite.LoadFromFile(path);
}

struct GameFont {
    std::unique_ptr<CFont> CGame::*font;
    int height, weight;
    bool italic;
};

// In the order they are made.
constexpr GameFont GAME_FONTS[] = {
    {&CGame::m_fontText, 21, 400, false},         {&CGame::m_fontSmallBold, 17, 700, false},
    {&CGame::m_fontTable, 15, 660, false},        {&CGame::m_fontCaption, 20, 700, false},
    {&CGame::m_fontCaptionItalic, 17, 700, true}, {&CGame::m_fontTitle, 32, 700, true},
    {&CGame::m_fontTiny, 14, 700, false},         {&CGame::m_fontTooltip, 18, 700, false},
    {&CGame::m_fontSmallItalic, 15, 700, true},   {&CGame::m_fontHeading, 20, 800, false},
};

}  // namespace

const char* TileFile(int index) {
    if (index < 0 || index >= TILE_COUNT) return nullptr;
    return TileFiles()[index].c_str();
}

const char* GroundSpriteFile(int slot) {
    return slot >= 0 && slot < GROUND_SPRITES ? GROUND_FILES[slot] : nullptr;
}

const char* SoundFile(int slot) {
    return slot >= 0 && slot < SOUND_SLOTS ? SOUND_FILES[slot] : nullptr;
}

CSprite* CGame::Tile(int index) const {
    return index >= 0 && static_cast<size_t>(index) < mv_tiles.size() ? mv_tiles[static_cast<size_t>(index)]
                                                                      : nullptr;
}

bool CGame::LoadTile(const char* fileName) {
    auto* sprite = new CSprite;
    if (sprite->LoadFromFile(fileName)) {
        mv_tiles.push_back(sprite);
        return true;
    }
    char text[300];
    std::snprintf(text, sizeof text, "Error: Failed to load %s", fileName);
    SystemMessageBox(text, GAME_CAPTION, BOX_WARNING);
    delete sprite;
    return false;
}

bool CGame::CreateGraphics() {
    if (g_system->HandleLostDevice() != 0) {
        Sleep(50);
        return false;
    }
    ++m_graphicsCount;
    if (std::strlen(m_skinName) < 2) {
        DebugLog("Strange sounding gui skin directory so substituting with default");
        SetSkinName("std");
    }
    m_skin.LoadSkin(m_skinName);
    m_sideBarList.mp_skin = m_skin.Sprites();

    // A missing picture draws nothing; only the tiles are required.
    for (int slot = 0; slot < GROUND_SPRITES; ++slot) {
        if (!GROUND_FILES[slot]) continue;
        delete s_groundSprites[slot];
        s_groundSprites[slot] = new CSprite;
        s_groundSprites[slot]->LoadFromFile(GROUND_FILES[slot]);
    }
    m_background.LoadFromFile("gfx/pics/background.bmp");
    m_pitch.LoadFromFile("gfx/pics/pitch.bmp");
    m_pitchBig.LoadFromFile("gfx/pics/pitchBig.bmp");
    g_system->m_pointer.LoadFromFile("gfx/mouse/mousepointer.bmp");
    g_system->m_pointerBusy.LoadFromFile("gfx/mouse/mousepointerld.bmp");
    LoadSkinPicture(m_sideBar, m_skinName, "sidebar.bmp");
    LoadSkinPicture(m_sideBarBottom, m_skinName, "sidebarbot.bmp");
    LoadSkinPicture(m_bottomBar, m_skinName, "botbar.bmp");
    LoadSkinPicture(m_topBarMatch, m_skinName, "topbarmatch.bmp");

    g_system->mp_systemFont = CFont::Create(21, 700, false);
    if (!g_system->mp_systemFont) {
        SystemMessageBox(
            "Error: Failed to create fonts. Game will not function correctly. "
            "Please check that the Liberation fonts are installed.",
            "Error", BOX_ERROR);
        g_fontsFailed = true;
    }
    for (const GameFont& font : GAME_FONTS) {
        this->*font.font = CFont::Create(font.height, font.weight, font.italic);
    }
    DebugLog("Bootup: Created fonts...");

    for (const std::string& file : TileFiles()) {
        if (!LoadTile(file.c_str())) return false;
    }
    return true;
}

bool CGame::ReleaseGraphics() {
    if (m_graphicsCount <= 0) return true;
    --m_graphicsCount;
    m_skin.ReleaseSkin();
    for (CSprite* sprite : {&m_background, &m_sideBar, &m_sideBarBottom, &m_bottomBar, &m_pitch, &m_pitchBig,
                            &g_system->m_pointer, &g_system->m_pointerBusy, &m_topBarMatch}) {
        sprite->Release();
    }
    for (CSprite*& sprite : s_groundSprites) {
        delete sprite;
        sprite = nullptr;
    }
    for (CSprite* tile : mv_tiles) delete tile;
    mv_tiles.clear();
    for (const GameFont& font : GAME_FONTS) (this->*font.font).reset();
    g_system->mp_systemFont.reset();
    return true;
}

bool CGame::LoadSounds() {
    if (g_system->mb_soundOff || !g_system->mp_soundManager) return true;
    for (const char* file : SOUND_FILES) {
        SoundObject* sound = nullptr;
        Result result = g_system->mp_soundManager->CreateSound(&sound, file, 0, 0, 1);
        if (Failed(result) || !sound) {
            SystemMessageBox("Error can't load sound", GAME_CAPTION, BOX_PLAIN);
            return false;
        }
        mv_sounds.push_back(sound);
    }
    g_soundSlots = &mv_sounds;
    return true;
}

void CGame::FreeSounds() {
    if (g_soundSlots == &mv_sounds) g_soundSlots = nullptr;
    for (SoundObject* sound : mv_sounds) delete sound;
    mv_sounds.clear();
}

bool CGame::CreateGameResources() {
    if (!CreateGraphics()) return false;
    DebugLog("Bootup: Created resources succesfully...");
    if (mp_startup) mp_startup->RegisterScreens();
    if (mp_startup) mp_startup->BuildSideBar();
    DebugLog("Bootup: Created buttons...");
    CreateMessageBox();
    if (mp_startup) mp_startup->AddSideBarControls();
    g_system->mb_drawPointer = 1;
    if (!LoadSounds()) return false;
    DebugLog("Bootup: Created resources for game...");
    return true;
}

}  // namespace ravel
