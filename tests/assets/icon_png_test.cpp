// The desktop icon is a PNG that any reader takes: the signature, a 128 x 128
// RGBA header, chunks whose CRCs hold, and image data in a zlib stream of
// stored blocks whose Adler-32 holds and whose rows are all there.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "asset_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t bigEndian32(const Bytes& b, std::size_t at)
{
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// Bit by bit, as the PNG standard defines it.
std::uint32_t crc32(const Bytes& b, std::size_t from, std::size_t to)
{
    std::uint32_t crc = 0xffffffffu;
    for (std::size_t i = from; i < to; ++i) {
        crc ^= b[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    Bytes data;
};

class IconPng : public testing::Test {
protected:
    // Made once for the suite; left empty if make_assets fails.
    static void SetUpTestSuite()
    {
        TemporaryFolder out;
        std::string path = out.path() + "/mollibek.png";
        ASSERT_EQ(runMakeAssets({"--icon", path}, out.path() + "/errors.txt"), 0);
        file = readFile(path);
    }

    // The chunks after the signature, each checked against its CRC.
    static std::vector<Chunk> chunks()
    {
        std::vector<Chunk> found;
        std::size_t at = 8;
        while (at + 12 <= file.size()) {
            std::uint32_t length = bigEndian32(file, at);
            if (at + 12 + length > file.size()) {
                ADD_FAILURE() << "a chunk runs past the end of the file";
                break;
            }
            Chunk chunk{std::string(file.begin() + at + 4, file.begin() + at + 8),
                        Bytes(file.begin() + at + 8, file.begin() + at + 8 + length)};
            EXPECT_EQ(bigEndian32(file, at + 8 + length), crc32(file, at + 4, at + 8 + length)) << chunk.type;
            found.push_back(chunk);
            at += 12 + length;
        }
        EXPECT_EQ(at, file.size());
        return found;
    }

    static Bytes file;
};

Bytes IconPng::file;

TEST_F(IconPng, HasTheSignatureAndA128By128RgbaHeader)
{
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 8), (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}));
    std::vector<Chunk> all = chunks();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front().type, "IHDR");
    const Bytes& header = all.front().data;
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(bigEndian32(header, 0), 128u);
    EXPECT_EQ(bigEndian32(header, 4), 128u);
    EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 6, 0, 0, 0}));
    EXPECT_EQ(all.back().type, "IEND");
    EXPECT_TRUE(all.back().data.empty());
}

TEST_F(IconPng, ImageDataIsACompleteZlibStream)
{
    Bytes stream;
    for (const Chunk& chunk : chunks())
        if (chunk.type == "IDAT")
            stream.insert(stream.end(), chunk.data.begin(), chunk.data.end());
    ASSERT_GE(stream.size(), 6u);
    EXPECT_EQ((stream[0] * 256 + stream[1]) % 31, 0);
    EXPECT_EQ(stream[0] & 0x0f, 8) << "deflate";

    Bytes rows;
    std::size_t at = 2;
    bool last = false;
    while (!last) {
        ASSERT_LE(at + 5, stream.size());
        last = stream[at] & 1;
        ASSERT_EQ(stream[at] >> 1 & 3, 0) << "stored block";
        unsigned length = stream[at + 1] | stream[at + 2] << 8;
        unsigned complement = stream[at + 3] | stream[at + 4] << 8;
        ASSERT_EQ(length ^ complement, 0xffffu);
        ASSERT_LE(at + 5 + length, stream.size());
        rows.insert(rows.end(), stream.begin() + at + 5, stream.begin() + at + 5 + length);
        at += 5 + length;
    }
    ASSERT_EQ(at + 4, stream.size());

    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(bigEndian32(stream, at), b << 16 | a);

    ASSERT_EQ(rows.size(), 128u * (1 + 128 * 4));
    for (std::size_t row = 0; row < 128; ++row)
        EXPECT_LE(rows[row * (1 + 128 * 4)], 4) << "filter type of row " << row;
}

}
