#include "screens/team/TeamDraw.h"

#include <cstdarg>

#include "shell/Game.h"
#include "shell/platform/System.h"

namespace ravel {

void DrawTile(int index, int x, int y) {
    if (const CSprite* s = g_game->Tile(index)) s->Draw(x, y);
}

void TableText(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, ALIGN_LEFT, colour, g_game->m_fontTable.get(), format, args);
    va_end(args);
}

void TableTextCentred(int x, int y, uint32_t colour, const char* format, ...) {
    va_list args;
    va_start(args, format);
    g_system->DrawTextV(x, y, ALIGN_CENTRE, colour, g_game->m_fontTable.get(), format, args);
    va_end(args);
}

void HeadingText(int x, int y, uint32_t colour, const char* text) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, g_game->m_fontSmallBold.get(), "%s", text);
}

void HeadingTextCentred(int x, int y, uint32_t colour, const char* text) {
    g_system->DrawText(x, y, ALIGN_CENTRE, colour, g_game->m_fontSmallBold.get(), "%s", text);
}

}  // namespace ravel
