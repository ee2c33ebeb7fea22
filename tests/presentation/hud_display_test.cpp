#include <GL/gl.h>

#include "core/game_state.h"
#include "presentation/hud.h"
#include "presentation/scene.h"
#include "tests/presentation/drawing_fixture.h"

namespace {

bool yellow(Rgb p)
{
    return p.red == 255 && p.green == 255 && p.blue == 0;
}

bool green(Rgb p)
{
    return p.red == 0 && p.green == 255 && p.blue == 0;
}

bool red(Rgb p)
{
    return p.red == 255 && p.green == 0 && p.blue == 0;
}

// (1, 0.5, 0) comes out as 127 or 128 in green, by the renderer's rounding.
bool orange(Rgb p)
{
    return p.red == 255 && (p.green == 127 || p.green == 128) && p.blue == 0;
}

bool lit(Rgb p)
{
    return p.red != 0 || p.green != 0 || p.blue != 0;
}

// Text on a black window, the way the scene leaves the state for it:
// texturing and blending off. The camera is away from the origin, so the
// texts must follow it.
class Texts : public Drawing {
protected:
    void SetUp() override
    {
        Drawing::SetUp();
        camx = 0.7f;
        camy = -1.3f;
        blankFrame();
    }

    static void blankFrame()
    {
        startFrame();
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
    }

    // The text's box: from its raster position to the right, one line high
    // (with room for descenders), relative to the camera.
    void expectLine(const PixelBox &box, float x, float y, float width, float height)
    {
        expectWithin(box, camx + x, camy + y - 0.02f, camx + x + width, camy + y + height);
        EXPECT_LE(box.left, (x + 1) * 256 + 12) << "starts at its raster position";
    }
};

TEST_F(Texts, StatusLinesInYellowAndGreen)
{
    drawStatusLines();
    BackBuffer shown = readBackBuffer();
    PixelBox all = shown.where(lit);
    PixelBox levelAndPots = shown.where(yellow);
    PixelBox boostersAndFps = shown.where(green);
    EXPECT_EQ(levelAndPots.count + boostersAndFps.count, all.count) << "only yellow and green";
    expectLine(levelAndPots, -0.9f, -0.95f, 0.6f, 0.17f);
    expectLine(boostersAndFps, 0.3f, -0.95f, 0.7f, 0.17f);
}

TEST_F(Texts, MessagesInTheirColoursAndPlaces)
{
    struct Case {
        const char *name;
        void (*draw)();
        bool (*colour)(Rgb);
        float x, y, width;
    };
    const Case cases[] = {
        {"warning", drawWarning, red, -0.15f, 0.4f, 0.4f},
        {"double power", drawDoublePowerMessage, orange, -0.37f, 0.26f, 1.0f},
        {"title prompt", drawTitlePrompt, orange, -0.27f, 0.26f, 1.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        blankFrame();
        c.draw();
        BackBuffer shown = readBackBuffer();
        PixelBox message = shown.where(c.colour);
        EXPECT_EQ(message.count, shown.where(lit).count) << "in one colour";
        expectLine(message, c.x, c.y, c.width, 0.07f);
    }
}

TEST_F(Texts, LostLevelAboveTheSmallerPotsLine)
{
    drawLostTexts();
    BackBuffer shown = readBackBuffer();
    EXPECT_EQ(shown.where(orange).count, shown.where(lit).count);
    int between = (0.3 + 1) * 256;
    PixelBox level = shown.whereIn(0, between, 512, 512, orange);
    PixelBox pots = shown.whereIn(0, 0, 512, between, orange);
    expectLine(level, -0.55f, 0.35f, 1.3f, 0.07f);
    expectLine(pots, -0.1f, 0.2f, 0.4f, 0.05f);
    EXPECT_LT(pots.top - pots.bottom, level.top - level.bottom) << "the pots in the smaller font";
}

TEST_F(Texts, TitlePromptBlinks)
{
    frame = 332;
    drawTitlePrompt();
    EXPECT_GT(readBackBuffer().where(orange).count, 0);
    blankFrame();
    frame = 333;
    drawTitlePrompt();
    EXPECT_EQ(readBackBuffer().where(lit).count, 0);
}

TEST_F(TexturedDrawing, StatusLinesStandOutOverTheScene)
{
    shipx = camx = 0.4f;
    shipy = camy = -0.6f;
    startFrame();
    drawScene();
    BackBuffer scene = readBackBuffer();
    drawStatusLines();
    BackBuffer withText = readBackBuffer();
    PixelBox changed = differences(scene, withText, 0);
    EXPECT_GT(changed.count, 100);
    expectWithin(changed, camx - 0.9f, camy - 0.97f, camx + 1, camy - 0.78f);
    EXPECT_GT(withText.where(yellow).count, scene.where(yellow).count + 100);
    EXPECT_GT(withText.where(green).count, scene.where(green).count + 100);
}

} // namespace
