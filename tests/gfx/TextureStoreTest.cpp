// The texture store: one texture per exact file name, the full store, failed
// loads that stay stored, unsupported depths and over-long names.
#include <string>
#include <vector>

#include "gfx/Texture.h"
#include "gfx/TextureStore.h"
#include "tests/gfx/GlTest.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/TempDir.h"

namespace {

using TextureStoreTest = GlTest;

uint8_t alphaAt(const Texture& texture, int x, int y) {
    std::vector<uint8_t> rgba(static_cast<size_t>(texture.width) * texture.height * 4);
    glBindTexture(GL_TEXTURE_2D, texture.textureId);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba[(static_cast<size_t>(y) * texture.width + x) * 4 + 3];
}

}  // namespace

TEST_F(TextureStoreTest, SameNameReturnsTheFirstTextureWithItsMaskAndCountsOnce) {
    TempDir dir;
    const std::string noise = dir.write("noise.jpg", halvesJpeg());
    TextureStore store;
    Texture* first = store.load(noise.c_str(), noise.c_str(), GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    Texture* second = store.load(noise.c_str(), "", GL_TEXTURE_2D, TEX_NEAREST);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(second, first);
    EXPECT_EQ(store.count, 1);
    EXPECT_EQ(alphaAt(*first, 2, 3), 255);
    EXPECT_EQ(alphaAt(*first, 12, 3), 0);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
}

TEST_F(TextureStoreTest, NamesDifferingOnlyInLetterCaseAreTwoTextures) {
    TempDir dir;
    const std::string lower = dir.write("noise.jpg", grayJpeg(8, 8, 10));
    const std::string upper = dir.write("Noise.jpg", grayJpeg(8, 8, 20));
    TextureStore store;
    Texture* a = store.load(lower.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    Texture* b = store.load(upper.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    EXPECT_NE(a, b);
    EXPECT_EQ(store.count, 2);
    EXPECT_STREQ(store.names[1], upper.c_str());
}

TEST_F(TextureStoreTest, FullStoreReturnsNullEvenForAStoredNameAndPrintsNothing) {
    TempDir dir;
    const std::string path = dir.write("picture.jpg", grayJpeg(8, 8, 10));
    TextureStore store;
    ASSERT_NE(store.load(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR), nullptr);
    while (store.count < TextureStore::CAPACITY) store.create(1, 1, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    testing::internal::CaptureStderr();
    EXPECT_EQ(store.load(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR), nullptr);
    EXPECT_EQ(store.create(1, 1, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(store.count, 100);
}

TEST_F(TextureStoreTest, MissingFileIsStoredAndNamedWithAGlObjectButNoImageAndReportedOnce) {
    TempDir dir;
    const std::string path = dir.file("missing.jpg");
    TextureStore store;
    testing::internal::CaptureStderr();
    Texture* texture = store.load(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "error open JPEG file \"" + path + "\"\n");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(store.count, 1);
    EXPECT_STREQ(store.names[0], path.c_str());
    ASSERT_TRUE(glIsTexture(texture->textureId));
    EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH), 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(store.load(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR), texture);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(TextureStoreTest, UnsupportedDepthIsReportedAndStoredWithoutAGlObject) {
    TextureStore store;
    testing::internal::CaptureStderr();
    Texture* texture = store.create(8, 8, 2, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "bpp not supported (2)\n");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->textureId, 0u);
    EXPECT_EQ(store.count, 1);
}

TEST_F(TextureStoreTest, NameThatDoesNotFitItsSlotIsRefusedAndNothingStored) {
    TempDir dir;
    TextureStore store;
    const std::string longest = std::string(99 - dir.path().size() - 1, 'a');
    const std::string fits = dir.file(longest);
    const std::string tooLong = dir.file(longest + "b");
    ASSERT_EQ(tooLong.size(), 100u);

    testing::internal::CaptureStderr();
    EXPECT_EQ(store.load(tooLong.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "texture file name too long (100 characters, at most 99): \"" + tooLong + "\"\n");
    EXPECT_EQ(store.count, 0);

    testing::internal::CaptureStderr();
    EXPECT_NE(store.load(fits.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR), nullptr);
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ(store.names[0], fits.c_str());
}

TEST_F(TextureStoreTest, CreatedTexturesAreNeverFoundByName) {
    TextureStore store;
    Texture* target = store.create(4, 4, 4, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    testing::internal::CaptureStderr();
    Texture* loaded = store.load("", "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    testing::internal::GetCapturedStderr();
    EXPECT_NE(loaded, target);
    EXPECT_EQ(store.count, 2);
}
