// make_assets: draws Mollibek's eleven pictures, the headerless raw RGB
// files (three bytes a pixel, rows top first) that the game reads from its
// working directory, and the game's desktop icon.
//
//   make_assets FOLDER        writes the eleven .raw files into FOLDER
//   make_assets --icon FILE   writes the 128 x 128 PNG icon to FILE
//
// The output is the same byte for byte on every run and machine: fixed
// seeds, no clock, and arithmetic that does not lean on the C library's
// rounding. The committed pictures in assets/ are its output, renewed with
//   cmake --build build --target make_assets && build/tools/make_assets assets
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "pictures/pictures.h"
#include "pictures/png_file.h"

namespace {

// Pictures drawn with blending have pure black as see-through; the star
// layer and the title are drawn without it.
enum class Blending { on, off };

struct PictureFile {
    const char* name;
    Canvas (*draw)();
    Blending blending;
};

const PictureFile pictures[] = {
    {"back.raw", board_picture, Blending::on},
    {"backspin.raw", platform_picture, Blending::on},
    {"ship.raw", ship_picture, Blending::on},
    {"disc.raw", disc_picture, Blending::on},
    {"enemy.raw", enemy_picture, Blending::on},
    {"exhaust.raw", exhaust_picture, Blending::on},
    {"pocketff.raw", pocket_picture, Blending::on},
    {"stars.raw", stars_picture, Blending::off},
    {"planet1.raw", small_planet_picture, Blending::on},
    {"planet2.raw", big_planet_picture, Blending::on},
    {"front.raw", title_picture, Blending::off},
};

bool write_file(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "make_assets: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written)
        std::fprintf(stderr, "make_assets: cannot write %s: %s\n", path.c_str(), std::strerror(error));
    return written;
}

int write_pictures(const std::string& folder)
{
    for (const PictureFile& picture : pictures) {
        Canvas canvas = picture.draw();
        auto bytes = picture.blending == Blending::on ? canvas.cutout_rgb() : canvas.opaque_rgb();
        if (!write_file(folder + "/" + picture.name, bytes))
            return 1;
    }
    return 0;
}

int write_icon(const std::string& path)
{
    Canvas icon = icon_picture();
    return write_file(path, png_file(icon.width(), icon.height(), icon.rgba())) ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: make_assets FOLDER        writes the game's eleven pictures into FOLDER\n"
                 "       make_assets --icon FILE   writes the 128 x 128 PNG icon to FILE\n");
    return 2;
}

}

int main(int argc, char** argv)
{
    if (argc == 2 && argv[1][0] != '-')
        return write_pictures(argv[1]);
    if (argc == 3 && std::strcmp(argv[1], "--icon") == 0)
        return write_icon(argv[2]);
    return usage();
}
