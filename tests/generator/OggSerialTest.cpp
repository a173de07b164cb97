// The Ogg serial rewrite: checksum arithmetic, repeatable encodes, files that
// still decode whole (libogg drops pages whose checksum is wrong), and refusal of
// data that is not made of complete pages.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/TempDir.h"
#include "generator/OggSerial.h"
#include "generator/VorbisWriter.h"

namespace {

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

StereoBuffer tone(std::size_t frames) {
    StereoBuffer buffer(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        buffer.left[i] = static_cast<float>(0.5 * std::sin(i * 0.0627));
        buffer.right[i] = static_cast<float>(0.5 * std::sin(i * 0.0431));
    }
    return buffer;
}

std::vector<uint32_t> pageSerials(const std::vector<uint8_t>& bytes) {
    std::vector<uint32_t> serials;
    for (std::size_t offset = 0; offset + 27 <= bytes.size();) {
        uint32_t serial = 0;
        for (int i = 3; i >= 0; --i) serial = (serial << 8) | bytes[offset + 14 + i];
        serials.push_back(serial);
        std::size_t size = 27 + bytes[offset + 26];
        for (int s = 0; s < bytes[offset + 26]; ++s) size += bytes[offset + 27 + s];
        offset += size;
    }
    return serials;
}

sf_count_t decodedFrames(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return -1;
    std::vector<float> block(4096 * 2);
    sf_count_t total = 0, got = 0;
    while ((got = sf_readf_float(file, block.data(), 4096)) > 0) total += got;
    sf_close(file);
    return total;
}

}  // namespace

TEST(OggChecksum, MatchesTheStandardCheckValue) {
    const std::string digits = "123456789";
    EXPECT_EQ(oggChecksum(reinterpret_cast<const uint8_t*>(digits.data()), digits.size()), 0x89A1897Fu);
    EXPECT_EQ(oggChecksum(nullptr, 0), 0u);
}

TEST(OggSerial, TwoEncodesOfTheSameSoundBecomeByteIdentical) {
    TempDir dir;
    const StereoBuffer sound = tone(44100);
    ASSERT_TRUE(writeOggVorbis(dir.file("a.ogg"), sound, 0.3));
    ASSERT_TRUE(writeOggVorbis(dir.file("b.ogg"), sound, 0.3));
    ASSERT_TRUE(setOggSerialInFile(dir.file("a.ogg"), 0x12345678u));
    ASSERT_TRUE(setOggSerialInFile(dir.file("b.ogg"), 0x12345678u));
    EXPECT_EQ(readBytes(dir.file("a.ogg")), readBytes(dir.file("b.ogg")));
}

TEST(OggSerial, EveryPageCarriesTheNewSerialAndTheFileStillDecodesWhole) {
    TempDir dir;
    const std::size_t frames = 3 * 44100;  // several pages
    ASSERT_TRUE(writeOggVorbis(dir.file("song.ogg"), tone(frames), 0.3));
    ASSERT_TRUE(setOggSerialInFile(dir.file("song.ogg"), 0xCAFEF00Du));
    const std::vector<uint32_t> serials = pageSerials(readBytes(dir.file("song.ogg")));
    ASSERT_GT(serials.size(), 3u);
    for (uint32_t serial : serials) EXPECT_EQ(serial, 0xCAFEF00Du);
    EXPECT_EQ(decodedFrames(dir.file("song.ogg")), static_cast<sf_count_t>(frames));
}

TEST(OggSerial, RefusesDataThatIsNotCompletePagesAndLeavesItUntouched) {
    TempDir dir;
    ASSERT_TRUE(writeOggVorbis(dir.file("song.ogg"), tone(44100), 0.3));
    const std::vector<uint8_t> whole = readBytes(dir.file("song.ogg"));
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"truncated last page", std::vector<uint8_t>(whole.begin(), whole.end() - 10)},
        {"not Ogg", std::vector<uint8_t>(64, 'x')},
        {"header cut short", std::vector<uint8_t>(whole.begin(), whole.begin() + 20)},
    };
    for (Case& c : cases) {
        const std::vector<uint8_t> before = c.bytes;
        EXPECT_FALSE(setOggSerial(c.bytes, 1u)) << c.name;
        EXPECT_EQ(c.bytes, before) << c.name;
    }
}
