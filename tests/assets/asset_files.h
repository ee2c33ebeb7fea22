// The eleven picture files as the game reads them, and the generator that
// makes them, for the tests of assets.
#ifndef MOLLIBEK_TESTS_ASSETS_ASSET_FILES_H
#define MOLLIBEK_TESTS_ASSETS_ASSET_FILES_H

#include <cstdint>
#include <string>
#include <vector>

struct PictureFile {
    const char* name;
    int width, height;
};

// In the game's load order.
extern const PictureFile pictureFiles[11];

struct Pixel {
    int r, g, b;
    bool black() const { return r == 0 && g == 0 && b == 0; }
    int brightest() const;
};

// A headerless raw RGB picture, rows top first.
class RawPicture {
public:
    RawPicture(std::vector<std::uint8_t> bytes, int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    Pixel at(int row, int col) const;
    // The same, with rows and columns wrapping around as tiles would.
    Pixel wrapped(int row, int col) const;

private:
    std::vector<std::uint8_t> bytes_;
    int width_, height_;
};

std::vector<std::uint8_t> readFile(const std::string& path);
// A committed picture from assets/; throws if the file is missing or its
// size is not width x height x 3.
RawPicture committedPicture(const char* name, int width, int height);

// A fresh empty folder, removed with everything in it by the destructor.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Runs the built make_assets with the given arguments, its error output
// sent to the file `errors`; returns its exit status, -1 if it did not exit.
int runMakeAssets(const std::vector<std::string>& arguments, const std::string& errors);
// The text of a file.
std::string textOf(const std::string& path);

#endif
