#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "controls/keyboard.h"
#include "core/game_state.h"
#include "presentation/scene.h"
#include "presentation/texturing.h"
#include "tests/presentation/drawing_fixture.h"

namespace {

// Tolerance for the software renderer's rounding between two drawings.
const int noise = 2;

class Scene : public TexturedDrawing {
protected:
    // The play scene seen from (camx, camy), before any swap.
    static BackBuffer drawn()
    {
        startFrame();
        drawScene();
        return readBackBuffer();
    }

    // Puts the ship and the camera on (x, y).
    static void followShip(float x, float y)
    {
        shipx = camx = x;
        shipy = camy = y;
    }
};

// A 512 x 512 game image as the file holds it.
std::vector<unsigned char> readImage(const char *name)
{
    std::vector<unsigned char> picture(512 * 512 * 3);
    std::FILE *file = std::fopen(name, "rb");
    EXPECT_NE(file, nullptr) << name;
    if (file != nullptr) {
        EXPECT_EQ(std::fread(picture.data(), 1, picture.size(), file), picture.size()) << name;
        std::fclose(file);
    }
    return picture;
}

// Whether the window pixel (x, y) shows the image's texel (row, column).
testing::AssertionResult showsTexel(const BackBuffer &shown, int x, int y,
                                    const std::vector<unsigned char> &picture, int row, int column)
{
    Rgb pixel = shown.at(x, y);
    const unsigned char *texel = &picture[(std::size_t(row) * 512 + column) * 3];
    if (std::abs(pixel.red - texel[0]) <= noise && std::abs(pixel.green - texel[1]) <= noise
        && std::abs(pixel.blue - texel[2]) <= noise)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel " << x << ", " << y << " is (" << pixel.red << ", " << pixel.green
                                       << ", " << pixel.blue << "), texel " << row << ", " << column << " is ("
                                       << int(texel[0]) << ", " << int(texel[1]) << ", " << int(texel[2]) << ")";
}

TEST_F(TexturedDrawing, TitlePictureFillsTheWindow)
{
    std::vector<unsigned char> picture = readImage("front.raw");

    startFrame();
    drawTitleScreen();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    BackBuffer shown = readBackBuffer();

    // One texel to a pixel; the file's first row is the window's top row.
    for (int y = 0; y < 512; y += 7)
        for (int x = 0; x < 512; x += 5)
            ASSERT_TRUE(showsTexel(shown, x, y, picture, 511 - y, x));
}

TEST_F(Scene, LeavesBlendingTexturingAndTheCameraAsItFoundThem)
{
    KeyDown['i'] = KeyDown['o'] = true;
    enemyspeed = 3;
    startFrame();
    GLfloat before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    drawScene();
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    for (int i = 0; i < 16; i++)
        EXPECT_EQ(after[i], before[i]);
    GLint blendSource = 0, blendDestination = 0;
    glGetIntegerv(GL_BLEND_SRC, &blendSource);
    glGetIntegerv(GL_BLEND_DST, &blendDestination);
    EXPECT_EQ(blendSource, GL_SRC_ALPHA);
    EXPECT_EQ(blendDestination, GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(Scene, ShipSitsAtTheCentreOfTheWindow)
{
    followShip(0.3f, -0.2f);
    BackBuffer upright = drawn();
    shipangle = 180;
    BackBuffer turned = drawn();
    expectWithin(differences(upright, turned, noise), 0.175f, -0.325f, 0.425f, -0.075f);
}

TEST_F(Scene, FlamesTrailBehindTheShip)
{
    struct Case {
        const char *keys;
        float power;
        float shipangle;
        // where the flames may show, relative to the ship's centre
        float left, bottom, right, top;
        // at least this far behind the ship: as far only when each flame
        // moves on from the one before
        float reach;
    };
    const Case cases[] = {
        {"i", 1, 0, -0.0417f, -0.2434f, 0.0417f, -0.0766f, -0.12f},
        {"io", 1, 0, -0.0625f, -0.485f, 0.0625f, -0.0766f, -0.34f},
        {"as", 2, 0, -0.0834f, -0.5667f, 0.0834f, -0.075f, -0.4f},
        {"io", 1, 90, -0.485f, -0.0625f, -0.0766f, 0.0625f, -0.34f},
    };
    followShip(-0.1f, 0.05f);
    BackBuffer noFlames = drawn();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "keys " << c.keys << " power " << c.power << " angle " << c.shipangle);
        shipangle = c.shipangle;
        BackBuffer withoutFlames = c.shipangle == 0 ? noFlames : drawn();
        for (const char *key = c.keys; *key != '\0'; key++)
            KeyDown[static_cast<unsigned char>(*key)] = true;
        power = c.power;
        PixelBox flames = differences(withoutFlames, drawn(), noise);
        expectWithin(flames, shipx + c.left, shipy + c.bottom, shipx + c.right, shipy + c.top);
        // behind the ship: down the screen, or to the left when it heads right
        if (c.shipangle == 0)
            EXPECT_LE(flames.bottom, (double(shipy) + c.reach - camy + 1) * 256);
        else
            EXPECT_LE(flames.left, (double(shipx) + c.reach - camx + 1) * 256);
        releaseAllKeys();
    }
}

TEST_F(Scene, EachPocketSitsAtItsEdge)
{
    struct Case {
        int *hitCount;
        float x, y;
    };
    const Case cases[] = {
        {&pocketLeftHitCount, -0.9647f, 0},
        {&pocketRightHitCount, 0.9647f, 0},
        {&pocketTopHitCount, 0, 0.9647f},
    };
    BackBuffer atRest = drawn();
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "pocket at " << c.x << ", " << c.y);
        *c.hitCount = 2;
        expectWithin(differences(atRest, drawn(), noise), c.x - 0.125f, c.y - 0.125f, c.x + 0.125f, c.y + 0.125f);
        *c.hitCount = 0;
    }
}

TEST_F(Scene, PocketsBlinkWhileTheShipHoldsTheDisc)
{
    BackBuffer atRest = drawn();
    shipAim = true;
    frame = 200;
    EXPECT_EQ(differences(atRest, drawn(), noise).count, 0);
    frame = 100;
    PixelBox lit = differences(atRest, drawn(), noise);
    expectWithin(lit, -1.09f, -0.125f, 1.09f, 1.09f);
    // all three take part: the left, the right and the top one
    EXPECT_LE(lit.left, 256 - 215);
    EXPECT_GE(lit.right, 256 + 215);
    EXPECT_GE(lit.top, 256 + 215);
}

TEST_F(Scene, PlanetsShowOnlyInTheirLevels)
{
    struct Case {
        float *x, *y;
        float inside;
        float bound;
        float halfSize;
    };
    const Case cases[] = {
        {&planetx, &planety, 3, std::nextafter(3.6f, 4.0f), 0.25f},
        {&planetx2, &planety2, 6, 6.5f, 0.5f},
        {&planetx3, &planety3, 8.5f, 8, 1},
    };
    // Far right of the board, where only the stars lie behind the planets.
    camx = 3;
    camy = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "planet in " << c.inside << " up to " << c.bound);
        *c.x = 3;
        *c.y = 0.1f;
        enemyspeed = 1;
        BackBuffer none = drawn();
        enemyspeed = c.bound;
        EXPECT_EQ(differences(none, drawn(), noise).count, 0);
        enemyspeed = c.inside;
        expectWithin(differences(none, drawn(), noise), 3 - c.halfSize, 0.1f - c.halfSize, 3 + c.halfSize,
                     0.1f + c.halfSize);
        *c.x = *c.y = -40;
    }
}

// Stand-in pictures, black on the left half and white on the right, loaded
// by the game's own loader into the slots of a test's choosing; the game's
// pictures come back afterwards.
class HalfBlackPictures : public Scene {
protected:
    void TearDown() override
    {
        for (int slot = 0; slot < 14; slot++) {
            if (realTexture[slot] != 0) {
                glDeleteTextures(1, &texName[slot]);
                texName[slot] = realTexture[slot];
            }
        }
        Scene::TearDown();
    }

    void standIn(int slot, int side)
    {
        std::string path = testing::TempDir() + "mollibek-half-black.raw";
        std::vector<unsigned char> bytes(std::size_t(side) * side * 3, 0);
        for (int row = 0; row < side; row++)
            for (int column = side / 2; column < side; column++)
                for (int channel = 0; channel < 3; channel++)
                    bytes[(std::size_t(row) * side + column) * 3 + channel] = 255;
        std::FILE *file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        realTexture[slot] = texName[slot];
        int loaded = textureNum;
        textureNum = slot;
        texturing(path.c_str(), side, side);
        textureNum = loaded;
        std::remove(path.c_str());
    }

    GLuint realTexture[14] = {};
};

bool white(Rgb p)
{
    return p.red == 255 && p.green == 255 && p.blue == 255;
}

TEST_F(HalfBlackPictures, BlackTexelsLetTheSceneShowThrough)
{
    standIn(3, 32);
    discx = 5;
    BackBuffer withoutDisc = drawn();
    discx = 0.5f;
    discy = 0.5f;
    BackBuffer withDisc = drawn();
    expectWithin(differences(withoutDisc, withDisc, noise), 0.5f, 0.4375f, 0.5625f, 0.5625f);
    // The disc covers window pixels 368 to 399 both ways, one texel each.
    for (int y = 369; y < 399; y++) {
        for (int x = 369; x < 383; x++) {
            Rgb under = withoutDisc.at(x, y);
            Rgb shown = withDisc.at(x, y);
            ASSERT_EQ(shown.red, under.red) << "at " << x << ", " << y;
            ASSERT_EQ(shown.green, under.green) << "at " << x << ", " << y;
            ASSERT_EQ(shown.blue, under.blue) << "at " << x << ", " << y;
        }
        for (int x = 385; x < 399; x++)
            ASSERT_TRUE(white(withDisc.at(x, y))) << "at " << x << ", " << y;
    }
}

// A planet turns a quarter turn anticlockwise every 720 frames.
TEST_F(HalfBlackPictures, PlanetsSpinWithTheFrameCount)
{
    standIn(11, 128);
    camx = 3;
    planetx = 3;
    planety = 0.1f;
    enemyspeed = 1;
    BackBuffer noPlanet = drawn();
    enemyspeed = 3;
    struct Case {
        int frame;
        float left, bottom, right, top; // where the white half lies
    };
    const Case cases[] = {
        {0, 3, -0.15f, 3.25f, 0.35f},
        {720, 2.75f, 0.1f, 3.25f, 0.35f},
        {1440, 2.75f, -0.15f, 3, 0.35f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "frame " << c.frame);
        frame = c.frame;
        expectWithin(differences(noPlanet, drawn(), noise), c.left, c.bottom, c.right, c.top);
    }
}

// Seen from beyond the board's right edge, where nothing else lies, the
// window shows one whole repeat of the star picture, sliding against the
// ship: all the way sideways, half the way up and down.
TEST_F(Scene, StarLayerRepeatsAroundTheShip)
{
    std::vector<unsigned char> stars = readImage("stars.raw");

    struct Case {
        float shipx, shipy;
    };
    const Case cases[] = {{0, 0}, {0.5f, 0.5f}, {-0.25f, -1}};
    camx = 3;
    camy = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "ship at " << c.shipx << ", " << c.shipy);
        shipx = c.shipx;
        shipy = c.shipy;
        BackBuffer shown = drawn();
        int firstColumn = 256 - int(256 * c.shipx);
        int firstRow = int(128 * c.shipy);
        for (int y = 0; y < 512; y += 3)
            for (int x = 0; x < 512; x += 2)
                ASSERT_TRUE(showsTexel(shown, x, y, stars, (511 - y + firstRow + 512) % 512,
                                       (x + firstColumn + 512) % 512));
    }
}

} // namespace
