// The generated data set as the player sees it: every picture decodes through the
// player's own loader, the song through libsndfile, the script through the
// player's script loader; the pieces match the pictures; and a second run of the
// generator writes exactly the same bytes.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>

#include "gfx/Image.h"
#include "script/DemoScript.h"
#include "tests/support/ShowFiles.h"
#include "tests/support/TempDir.h"
#include "tests/tools/CoordsFile.h"

namespace {

const auto& PICTURES = SHOW_PICTURES;

// The overlay's pictures by load position (the player's fixed table).
const char* const OVERLAY[] = {
    "noise.jpg",       "title1.jpg",  "title2.jpg",   "title3.jpg",   "title4.jpg",   "title5.jpg",
    "quorvindale.jpg", "musta.jpg",   "tekstit1.jpg", "tekstit2.jpg", "tekstit2.jpg", "tekstit3.jpg",
    "pastaa1.jpg",     "pastaa2.jpg", "pastaa3.jpg",  "pastaa4.jpg",  "pastaa5.jpg",  "pastaa6.jpg",
};

bool generate(const std::string& outDir) {
    const std::string command = std::string("'") + FLASHSTEP_DATAGEN + "' '" + outDir + "'";
    return std::system(command.c_str()) == 0;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Picture {
    PixelBlock pixels;
    int32_t width = 0;
    int32_t height = 0;

    // Brightest channel of the pixel at (x, y), y from the top of the picture.
    int brightness(int x, int y) const {
        const uint8_t* p = &pixels[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
        return std::max({p[0], p[1], p[2]});
    }
};

// The data set the build generated (build/data), made by this very generator; a
// build that makes none has one generated here.
std::string generatedDataParent() {
#ifdef FLASHSTEP_GENERATED_DATA_PARENT
    return FLASHSTEP_GENERATED_DATA_PARENT;
#else
    static TempDir dir;
    static const bool generated = generate(dir.path());
    return generated ? dir.path() : "";
#endif
}

class DataSet : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(generatedDataParent().empty()) << "the generator failed"; }

    static std::string data(const std::string& name) { return generatedDataParent() + "/data/" + name; }

    static Picture picture(const std::string& name) {
        Picture p;
        int32_t bytesPerPixel = 0;
        p.pixels = loadImage(data(name).c_str(), p.width, p.height, bytesPerPixel);
        return p;
    }
};

std::vector<int> kindsOf(const DemoScript& script, int kind) {
    std::vector<int> values;
    for (int i = 0; i < script.eventCount; ++i) {
        if (script.events[i].kind == kind) values.push_back(static_cast<int>(script.events[i].value));
    }
    return values;
}

}  // namespace

TEST_F(DataSet, EveryPictureDecodesWithThePlayersLoaderAndShowsSomething) {
    for (const char* name : PICTURES) {
        const Picture p = picture(name);
        ASSERT_NE(p.pixels, nullptr) << name;
        int brightest = 0;
        for (int y = 0; y < p.height; y += 2) {
            for (int x = 0; x < p.width; x += 2) brightest = std::max(brightest, p.brightness(x, y));
        }
        EXPECT_GT(brightest, 100) << name << " is (nearly) black";
    }
}

TEST_F(DataSet, CardsFillTheScreenAndTheBannerMaskMatchesItsPicture) {
    for (const char* name :
         {"title1.jpg", "quorvindale.jpg", "musta.jpg", "tekstit-alpha.jpg", "pastaa6.jpg"}) {
        const Picture p = picture(name);
        EXPECT_EQ(p.width, 640) << name;
        EXPECT_EQ(p.height, 480) << name;
    }
}

TEST_F(DataSet, ElektroBandsJoinSeamlesslyAroundTheCylinder) {
    for (const char* name : {"elektro1.jpg", "elektro2.jpg", "elektro3.jpg", "elektro4.jpg"}) {
        const Picture p = picture(name);
        ASSERT_NE(p.pixels, nullptr) << name;
        // The wrap joins the last column to the first: it must differ no more than
        // neighbouring columns inside the picture do.
        auto columnStep = [&](int a, int b) {
            double sum = 0.0;
            for (int y = 0; y < p.height; ++y) sum += std::abs(p.brightness(a, y) - p.brightness(b, y));
            return sum / p.height;
        };
        double inside = 0.0;
        for (int x = 1; x < p.width; ++x) inside = std::max(inside, columnStep(x - 1, x));
        EXPECT_LE(columnStep(p.width - 1, 0), inside + 1.0) << name;
    }
}

TEST_F(DataSet, SongIsStereo44100OfTwoToThreeMinutesAndNeverReachesFullScale) {
    SF_INFO info{};
    SNDFILE* file = sf_open(data("song.ogg").c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    EXPECT_EQ(info.samplerate, 44100);
    EXPECT_EQ(info.channels, 2);
    std::vector<float> block(4096 * 2);
    sf_count_t frames = 0, got = 0;
    float highest = 0.0f;
    while ((got = sf_readf_float(file, block.data(), 4096)) > 0) {
        frames += got;
        for (sf_count_t i = 0; i < got * 2; ++i) highest = std::max(highest, std::fabs(block[i]));
    }
    sf_close(file);
    const double seconds = static_cast<double>(frames) / 44100.0;
    EXPECT_GE(seconds, 120.0);
    EXPECT_LE(seconds, 180.0);
    EXPECT_LT(highest, 1.0f);
    EXPECT_GT(highest, 0.5f) << "the song is far too quiet";
}

TEST_F(DataSet, ScriptLoadsInTimeOrderWithEveryKeywordAndNothingUnrecognised) {
    const DemoScript script(data("script.txt").c_str());
    EXPECT_STREQ(script.songfile, "data/song.ogg");
    EXPECT_EQ(script.bpm, 125);
    EXPECT_EQ(script.patternLength, 16);
    EXPECT_EQ(script.patternSpeed, 4);
    ASSERT_GT(script.eventCount, 0);
    ASSERT_LE(script.eventCount, DemoScript::MAX_EVENTS);
    std::set<int> kinds;
    for (int i = 0; i < script.eventCount; ++i) {
        EXPECT_NE(script.events[i].kind, 0) << "event " << i << " at " << script.events[i].timeMs << " ms";
        if (i > 0) {
            EXPECT_GE(script.events[i].timeMs, script.events[i - 1].timeMs) << "event " << i;
        }
        kinds.insert(script.events[i].kind);
    }
    for (int kind = 1; kind <= 29; ++kind) {
        if (kind == 7 || kind == 8) continue;
        EXPECT_TRUE(kinds.count(kind)) << "no event of kind " << kind;
    }
}

TEST_F(DataSet, ScriptEventsFallWithinTheSongAndEndsWithAnEndLine) {
    const DemoScript script(data("script.txt").c_str());
    ASSERT_GT(script.eventCount, 0);
    SF_INFO info{};
    SNDFILE* file = sf_open(data("song.ogg").c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    sf_close(file);
    const double songMs = 1000.0 * static_cast<double>(info.frames) / info.samplerate;
    EXPECT_LE(script.events[script.eventCount - 1].timeMs, songMs);
    std::istringstream lines(readText(data("script.txt")));
    std::string line, last;
    while (std::getline(lines, line)) {
        if (!line.empty()) last = line;
    }
    std::istringstream words(last);
    std::string time, keyword;
    words >> time >> keyword;
    EXPECT_EQ(keyword, "end");
}

TEST_F(DataSet, ScriptCommentsFitTheReadersBuffer) {
    std::istringstream lines(readText(data("script.txt")));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        const bool event = std::isdigit(static_cast<unsigned char>(first[0])) != 0;
        if (first == "init") continue;
        // The comment's rest: after its first word, up to and including the line feed.
        const size_t commentWord = event ? line.find(" # ") : line.find(first);
        if (commentWord == std::string::npos) continue;
        const size_t wordEnd = event ? commentWord + 2 : commentWord + first.size();
        EXPECT_LE(line.size() - wordEnd + 1, 39u) << line;
        EXPECT_LE(first.size(), 11u) << line;
    }
}

TEST_F(DataSet, EveryPictureRevealedInPiecesHasPiecesCoveringAllItsLetters) {
    const DemoScript script(data("script.txt").c_str());
    const std::map<int, std::vector<PieceRect>> blocks = readCoords(data("coords.txt"));
    const std::vector<int> pieced = kindsOf(script, EVENT_IMAGE_PIECES);
    ASSERT_FALSE(pieced.empty());
    for (int index : pieced) {
        ASSERT_TRUE(blocks.count(index)) << "no pieces for picture " << index;
        const std::vector<PieceRect>& pieces = blocks.at(index);
        ASSERT_GE(pieces.size(), 1u);
        ASSERT_LE(pieces.size(), 10u);
        const Picture p = picture(OVERLAY[index]);
        ASSERT_NE(p.pixels, nullptr);
        for (const PieceRect& r : pieces) {
            EXPECT_TRUE(r.x1 >= 0 && r.y1 >= 0 && r.x2 <= 640 && r.y2 <= 480 && r.x1 < r.x2 && r.y1 < r.y2)
                << "picture " << index;
        }
        // Every lit pixel of the picture lies in some piece, else it would never show.
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                if (p.brightness(x, y) < 96) continue;
                const bool covered = std::any_of(pieces.begin(), pieces.end(), [&](const PieceRect& r) {
                    return x >= r.x1 && x < r.x2 && y >= r.y1 && y < r.y2;
                });
                ASSERT_TRUE(covered) << "picture " << index << " lit at " << x << "," << y;
            }
        }
    }
}

TEST_F(DataSet, PieceRevealsNeverAskForMorePiecesThanThePictureHas) {
    const DemoScript script(data("script.txt").c_str());
    const std::map<int, std::vector<PieceRect>> blocks = readCoords(data("coords.txt"));
    std::map<int, int> shown;
    for (int i = 0; i < script.eventCount; ++i) {
        const ScriptEvent& e = script.events[i];
        const int index = static_cast<int>(e.value);
        if (e.kind == EVENT_NEXT_PIECE) ++shown[index];
        if (e.kind == EVENT_PREVIOUS_PIECE) --shown[index];
        if (e.kind != EVENT_NEXT_PIECE && e.kind != EVENT_PREVIOUS_PIECE) continue;
        ASSERT_TRUE(blocks.count(index)) << "picture " << index << " has no pieces";
        EXPECT_GE(shown[index], 0) << "picture " << index << " at " << e.timeMs << " ms";
        EXPECT_LE(shown[index], static_cast<int>(blocks.at(index).size())) << "picture " << index;
    }
}

TEST(DataSetRuns, WriteIdenticalBytesEveryTime) {
    TempDir again;
    ASSERT_TRUE(generate(again.path()));
    const std::string first = generatedDataParent() + "/data/";
    ASSERT_NE(first, "/data/") << "the generator failed";
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(first)) {
        names.insert(entry.path().filename().string());
    }
    for (const auto& entry : std::filesystem::directory_iterator(again.path() + "/data")) {
        EXPECT_TRUE(names.count(entry.path().filename().string())) << entry.path();
    }
    EXPECT_EQ(names.size(), std::size(PICTURES) + 3);  // and song.ogg, script.txt, coords.txt
    for (const std::string& name : names) {
        EXPECT_TRUE(readText(first + name) == readText(again.path() + "/data/" + name))
            << name << " differs between runs";
    }
}
