#include "asset_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>

const PictureFile pictureFiles[11] = {
    {"back.raw", 512, 512},    {"backspin.raw", 512, 512}, {"ship.raw", 64, 64},
    {"disc.raw", 32, 32},      {"enemy.raw", 64, 64},      {"exhaust.raw", 32, 32},
    {"pocketff.raw", 64, 64},  {"stars.raw", 512, 512},    {"planet1.raw", 128, 128},
    {"planet2.raw", 256, 256}, {"front.raw", 512, 512},
};

int Pixel::brightest() const
{
    return std::max(r, std::max(g, b));
}

RawPicture::RawPicture(std::vector<std::uint8_t> bytes, int width, int height)
    : bytes_(std::move(bytes)), width_(width), height_(height)
{
    if (bytes_.size() != std::size_t(width) * height * 3)
        throw std::runtime_error("a raw picture of the wrong size");
}

Pixel RawPicture::at(int row, int col) const
{
    std::size_t i = (std::size_t(row) * width_ + col) * 3;
    return {bytes_[i], bytes_[i + 1], bytes_[i + 2]};
}

Pixel RawPicture::wrapped(int row, int col) const
{
    return at((row % height_ + height_) % height_, (col % width_ + width_) % width_);
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RawPicture committedPicture(const char* name, int width, int height)
{
    return RawPicture(readFile(std::string(ASSETS_FOLDER) + "/" + name), width, height);
}

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mollibek-assets-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

// For the shell: the tests' paths hold no single quotes.
static std::string quoted(const std::string& word)
{
    return "'" + word + "'";
}

int runMakeAssets(const std::vector<std::string>& arguments, const std::string& errors)
{
    std::string command = quoted(MAKE_ASSETS_PATH);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " 2>" + quoted(errors);
    int status = std::system(command.c_str());
    return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string textOf(const std::string& path)
{
    std::vector<std::uint8_t> bytes = readFile(path);
    return std::string(bytes.begin(), bytes.end());
}
