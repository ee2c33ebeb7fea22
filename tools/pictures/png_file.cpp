#include "pictures/png_file.h"

#include <algorithm>
#include <array>

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t adler32(const std::vector<std::uint8_t>& data)
{
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void put_chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    put32(out, std::uint32_t(data.size()));
    std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored deflate blocks, at most 65535 bytes each.
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t done = 0;
    do {
        std::size_t size = std::min<std::size_t>(65535, data.size() - done);
        bool last = done + size == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(std::uint8_t(size));
        out.push_back(std::uint8_t(size >> 8));
        out.push_back(std::uint8_t(~size));
        out.push_back(std::uint8_t(~size >> 8));
        out.insert(out.end(), data.begin() + done, data.begin() + done + size);
        done += size;
    } while (done < data.size());
    put32(out, adler32(data));
    return out;
}

}

std::vector<std::uint8_t> png_file(int width, int height, const std::vector<std::uint8_t>& rgba)
{
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

    std::vector<std::uint8_t> header;
    put32(header, std::uint32_t(width));
    put32(header, std::uint32_t(height));
    // 8 bits a channel, RGBA, deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 6, 0, 0, 0});
    put_chunk(out, "IHDR", header);

    // Every row starts with filter type 0: the bytes as they are.
    std::vector<std::uint8_t> rows;
    std::size_t stride = std::size_t(width) * 4;
    for (int row = 0; row < height; ++row) {
        rows.push_back(0);
        rows.insert(rows.end(), rgba.begin() + row * stride, rgba.begin() + (row + 1) * stride);
    }
    put_chunk(out, "IDAT", zlib_stored(rows));
    put_chunk(out, "IEND", {});
    return out;
}
