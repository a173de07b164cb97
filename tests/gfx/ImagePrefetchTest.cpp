// Decoding ahead on a worker: the same bytes as a decode on the spot, silence on
// the worker with every message left to the real load, in that load's order, and
// the store's decode order derived from its requests. No GL needed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "gfx/ImagePrefetch.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"

namespace {

struct Picture {
    PixelBlock pixels;
    int32_t width = 0;
    int32_t height = 0;
    int32_t bytesPerPixel = 0;
};

Picture loadedOnTheSpot(const std::string& path) {
    Picture p;
    p.pixels = loadImage(path.c_str(), p.width, p.height, p.bytesPerPixel);
    return p;
}

Picture takenFrom(ImagePrefetch& prefetch, const std::string& path) {
    Picture p;
    p.pixels = prefetch.take(path.c_str(), p.width, p.height, p.bytesPerPixel);
    return p;
}

void expectSamePicture(const Picture& taken, const Picture& expected) {
    ASSERT_NE(taken.pixels, nullptr);
    ASSERT_EQ(taken.width, expected.width);
    ASSERT_EQ(taken.height, expected.height);
    ASSERT_EQ(taken.bytesPerPixel, expected.bytesPerPixel);
    const size_t bytes = static_cast<size_t>(expected.width) * expected.height * expected.bytesPerPixel;
    EXPECT_EQ(std::memcmp(taken.pixels.get(), expected.pixels.get(), bytes), 0);
}

std::vector<uint8_t> gradientSamples(int width, int height) {
    std::vector<uint8_t> samples(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<uint8_t>((i * 7) % 251);
    return samples;
}

}  // namespace

TEST(ImagePrefetch, HandsOutTheSameBytesOncePerListingAndNothingUnlisted) {
    TempDir dir;
    const std::string colour = dir.write("colour.jpg", encodeJpeg(40, 24, 3, gradientSamples(40, 24)));
    const std::string gray = dir.write("gray.jpg", grayJpeg(16, 8, 90));
    ImagePrefetch prefetch({colour, gray, colour});

    expectSamePicture(takenFrom(prefetch, colour), loadedOnTheSpot(colour));
    expectSamePicture(takenFrom(prefetch, gray), loadedOnTheSpot(gray));
    expectSamePicture(takenFrom(prefetch, colour), loadedOnTheSpot(colour));
    EXPECT_EQ(takenFrom(prefetch, colour).pixels, nullptr) << "listed twice, taken twice";
    EXPECT_EQ(takenFrom(prefetch, dir.file("other.jpg")).pixels, nullptr);
    EXPECT_EQ(prefetch.taken(), 3);
}

TEST(ImagePrefetch, LeavesEveryMessageToTheRealLoadInItsOrder) {
    TempDir dir;
    const std::string whole = dir.write("whole.jpg", grayJpeg(16, 16, 200));
    const std::string jpeg = encodeJpeg(64, 64, 3, gradientSamples(64, 64));
    const std::string truncated = dir.write("truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    const std::string missing = dir.file("missing.jpg");

    testing::internal::CaptureStderr();
    std::string saidByTheWorker;
    std::string saidByTheLoads;
    {
        ImagePrefetch prefetch({missing, truncated, whole});
        // Taking the last one means the worker has been through them all.
        Picture last;
        last.pixels = prefetch.take(whole.c_str(), last.width, last.height, last.bytesPerPixel);
        ASSERT_NE(last.pixels, nullptr);
        saidByTheWorker = testing::internal::GetCapturedStderr();

        testing::internal::CaptureStderr();
        for (const std::string& path : {missing, truncated}) {
            Picture p;
            p.pixels = loadPicture(path.c_str(), p.width, p.height, p.bytesPerPixel, &prefetch);
            if (path == truncated) {
                EXPECT_NE(p.pixels, nullptr) << "a warning still gives the picture";
            }
        }
        saidByTheLoads = testing::internal::GetCapturedStderr();
        EXPECT_EQ(prefetch.taken(), 1);
    }
    EXPECT_EQ(saidByTheWorker, "");
    EXPECT_EQ(saidByTheLoads, "error open JPEG file \"" + missing + "\"\nPremature end of JPEG file\n");
}

TEST(ImagePrefetch, LoadPictureDecodesOnTheSpotWithoutAPrefetch) {
    TempDir dir;
    const std::string gray = dir.write("gray.jpg", grayJpeg(8, 8, 10));
    Picture p;
    p.pixels = loadPicture(gray.c_str(), p.width, p.height, p.bytesPerPixel, nullptr);
    expectSamePicture(p, loadedOnTheSpot(gray));
}

TEST(ImagePrefetch, RunsNoFurtherAheadThanItsMemoryAllows) {
    TempDir dir;
    const std::string first = dir.write("first.jpg", grayJpeg(16, 16, 10));
    const std::string second = dir.write("second.jpg", grayJpeg(16, 16, 20));
    const std::string third = dir.write("third.jpg", grayJpeg(16, 16, 30));
    ImagePrefetch prefetch({first, second, third}, 1);
    // Time enough for a worker without a limit to decode all three.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    dir.write("third.jpg", grayJpeg(16, 16, 200));

    expectSamePicture(takenFrom(prefetch, first), loadedOnTheSpot(first));
    expectSamePicture(takenFrom(prefetch, second), loadedOnTheSpot(second));
    const Picture last = takenFrom(prefetch, third);
    ASSERT_NE(last.pixels, nullptr);
    EXPECT_NEAR(last.pixels[0], 200, 2) << "decoded before there was room for it";
}

TEST(ImagePrefetch, ARequestPassingEarlierEntriesLetsThemGoAndNeverStalls) {
    TempDir dir;
    const std::string first = dir.write("first.jpg", grayJpeg(64, 64, 10));
    const std::string second = dir.write("second.jpg", grayJpeg(64, 64, 20));
    const std::string third = dir.write("third.jpg", grayJpeg(64, 64, 30));
    ImagePrefetch prefetch({first, second, third}, 1);

    expectSamePicture(takenFrom(prefetch, third), loadedOnTheSpot(third));
    EXPECT_EQ(takenFrom(prefetch, first).pixels, nullptr) << "passed over, left to the real load";
    EXPECT_EQ(prefetch.taken(), 1);
}

TEST(FilesDecodedBy, SkipsPicturesAlreadyHeldAndDecodesMasksWithEachNewPicture) {
    const std::vector<PictureLoad> loads = {
        {"a.jpg", ""},      {"b.jpg", "m.jpg"}, {"a.jpg", "m.jpg"},
        {"c.jpg", "m.jpg"}, {"b.jpg", ""},      {"n.jpg", "n.jpg"},
    };
    const std::vector<std::string> expected = {"a.jpg", "b.jpg", "m.jpg", "c.jpg", "m.jpg", "n.jpg", "n.jpg"};
    EXPECT_EQ(filesDecodedBy(loads), expected);
}
