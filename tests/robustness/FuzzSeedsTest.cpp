// The committed fuzz seeds still say what they were made to say: every script seed
// loads within the script's limits, every coordinates seed reads into pieces, and
// every picture seed, JPEG or PNG, decodes (or, the four-component and the truncated
// ones, is refused) at its size.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "gfx/Image.h"
#include "overlay/CoordinatesFile.h"
#include "script/DemoScript.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> seeds(const char* corpus) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(FLASHSTEP_SOURCE_DIR) / "fuzz/corpus" / corpus)) {
        files.push_back(entry.path());
    }
    return files;
}

TEST(FuzzSeeds, EveryScriptSeedLoadsEventsWithinTheScriptLimits) {
    const auto files = seeds("script");
    ASSERT_GE(files.size(), 4u);
    for (const fs::path& file : files) {
        const auto script = std::make_unique<DemoScript>(file.c_str());
        EXPECT_GT(script->eventCount, 0) << file;
        EXPECT_LE(script->eventCount, DemoScript::MAX_EVENTS) << file;
        EXPECT_GT(script->bpm, 0) << file;
        EXPECT_GT(script->patternSpeed, 0) << file;
        EXPECT_GE(script->patternLength, 1) << file;
        EXPECT_LE(script->patternLength, DemoScript::SYNC_STEPS) << file;
        EXPECT_GT(script->stepPeriod, 0.0f) << file;
    }
}

TEST(FuzzSeeds, EveryCoordinatesSeedReadsPiecesWithinTheirLimits) {
    const auto files = seeds("coords");
    ASSERT_GE(files.size(), 4u);
    for (const fs::path& file : files) {
        PieceSets pieces;
        ASSERT_TRUE(readCoordinatesFile(file.c_str(), pieces)) << file;
        int32_t total = 0;
        for (const PieceSet& set : pieces) {
            EXPECT_GE(set.pieceCount, 0) << file;
            EXPECT_LE(set.pieceCount, PieceSet::MAX_PIECES) << file;
            total += set.pieceCount;
        }
        EXPECT_GT(total, 0) << file;
    }
}

// Seeds are named after their size, as in "colour16x8.jpg"; "cmyk" ones have four
// components and "truncated" ones end before their image data: both are refused.
TEST(FuzzSeeds, EveryPictureSeedDecodesAtTheSizeInItsName) {
    std::vector<fs::path> files = seeds("jpeg");
    for (const fs::path& png : seeds("png")) files.push_back(png);
    ASSERT_GE(files.size(), 11u);
    for (const fs::path& file : files) {
        int32_t width = 0;
        int32_t height = 0;
        int32_t bytesPerPixel = 0;
        const PixelBlock pixels = loadImage(file.c_str(), width, height, bytesPerPixel);
        const std::string name = file.filename().string();
        const bool refused = name.rfind("cmyk", 0) == 0 || name.rfind("truncated", 0) == 0;
        EXPECT_EQ(pixels == nullptr, refused) << name;
        int namedWidth = 0;
        int namedHeight = 0;
        const size_t digits = name.find_first_of("0123456789");
        if (digits == std::string::npos) continue;  // no size in the name
        ASSERT_EQ(std::sscanf(name.c_str() + digits, "%dx%d", &namedWidth, &namedHeight), 2) << name;
        EXPECT_EQ(width, namedWidth) << name;
        EXPECT_EQ(height, namedHeight) << name;
        EXPECT_EQ(bytesPerPixel, 4) << name;
    }
}

}  // namespace
