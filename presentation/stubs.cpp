#include "presentation/hud.h"
#include "presentation/scene.h"
#include "presentation/texture_table.h"

void loadTextures() {}
void drawTitleScreen() {}
void drawScene() {}
void renderBitmapString(float, float, void *, const char *) {}
void drawTitlePrompt() {}
void drawStatusLines() {}
void drawWarning() {}
void drawDoublePowerMessage() {}
void drawLostTexts() {}
