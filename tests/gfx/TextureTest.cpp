// Making textures against a real GL: filter, wrap and mipmap parameters per
// flag combination, storage per depth, and alpha masks reaching the GL image.
#include <string>
#include <vector>

#include "gfx/Draw2D.h"
#include "gfx/Texture.h"
#include "tests/gfx/GlTest.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/PngWriter.h"
#include "tests/support/TempDir.h"

namespace {

struct FlagCase {
    uint32_t flags;
    GLint mag, min, wrap;
};

void expectParameters(const FlagCase& c, GLint generateMipmap) {
    SCOPED_TRACE(testing::Message() << "flags " << c.flags);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER), c.mag);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER), c.min);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S), c.wrap);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T), c.wrap);
    EXPECT_EQ(texParameter(GL_TEXTURE_2D, GL_GENERATE_MIPMAP), generateMipmap);
}

std::vector<uint8_t> readRgba(const Texture& texture) {
    std::vector<uint8_t> rgba(static_cast<size_t>(texture.width) * texture.height * 4);
    glBindTexture(GL_TEXTURE_2D, texture.textureId);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

// The picture over the whole window, blended as masked overlay pictures are,
// onto a clear of blue.
void drawOverBlue(Texture& picture) {
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    picture.useAlphaBlend();
    begin2D(-10000);
    picture.drawQuad(0, 0, 1, 1, 640, 480);
    end2D();
}

using TextureTest = GlTest;

}  // namespace

TEST_F(TextureTest, EmptyTextureParametersFollowFlags) {
    const FlagCase cases[] = {
        {0, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, GL_REPEAT},
        {TEX_NO_TRILINEAR, GL_LINEAR, GL_LINEAR, GL_REPEAT},
        {TEX_NEAREST | TEX_NO_TRILINEAR, GL_NEAREST, GL_NEAREST, GL_REPEAT},
        {TEX_NO_TRILINEAR | TEX_CLAMP_TO_EDGE, GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE},
        {TEX_CLAMP | TEX_CLAMP_TO_EDGE, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, GL_CLAMP},
        {TEX_NO_TRILINEAR | TEX_AUTO_MIPMAP, GL_LINEAR, GL_LINEAR, GL_REPEAT},
    };
    for (const FlagCase& c : cases) {
        Texture texture;
        texture.createEmpty(8, 4, 4, GL_TEXTURE_2D, c.flags);
        ASSERT_NE(texture.textureId, 0u);
        expectParameters(c, (c.flags & TEX_AUTO_MIPMAP) != 0 ? 1 : 0);
    }
}

TEST_F(TextureTest, EmptyTextureStorageHasItsSizeAndTheFormatOfItsDepth) {
    const std::pair<int32_t, GLint> depths[] = {{1, GL_ALPHA}, {3, GL_RGB}, {4, GL_RGBA}};
    for (const auto& [depth, format] : depths) {
        Texture texture;
        texture.createEmpty(8, 4, depth, GL_TEXTURE_2D, TEX_NO_TRILINEAR);
        EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH), 8);
        EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT), 4);
        EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT), format) << "depth " << depth;
        EXPECT_EQ(texture.copyFormat, static_cast<GLenum>(GL_RGB));
    }
}

TEST_F(TextureTest, PictureParametersFollowFlagsAndAlwaysGenerateMipmaps) {
    TempDir dir;
    const std::string path = dir.write("picture.jpg", grayJpeg(8, 8, 90));
    const FlagCase cases[] = {
        {0, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, GL_REPEAT},
        {TEX_NO_TRILINEAR, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, GL_REPEAT},
        {TEX_NEAREST | TEX_NO_TRILINEAR, GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST, GL_REPEAT},
        {TEX_NO_TRILINEAR | TEX_CLAMP, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, GL_CLAMP},
        {TEX_CLAMP_TO_EDGE, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, GL_CLAMP_TO_EDGE},
    };
    for (const FlagCase& c : cases) {
        Texture texture;
        texture.loadFromFile(path.c_str(), "", GL_TEXTURE_2D, c.flags);
        ASSERT_EQ(texture.width, 8);
        expectParameters(c, 1);
    }
}

TEST_F(TextureTest, AutoMipmapUploadsThePictureAtItsOwnSizeOtherwiseGluScalesIt) {
    TempDir dir;
    const std::string path = dir.write("odd.jpg", colourJpeg(12, 10, 30, 60, 90));
    Texture automatic;
    automatic.loadFromFile(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR | TEX_AUTO_MIPMAP);
    EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH), 12);
    EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT), 10);
    Texture built;
    built.loadFromFile(path.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    const GLint width = levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH);
    EXPECT_NE(width, 12);
    EXPECT_EQ(width & (width - 1), 0) << "a power of two";
    EXPECT_EQ(levelParameter(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
    EXPECT_EQ(built.width, 12) << "the picture's own size is kept";
}

TEST_F(TextureTest, MaskRedBecomesAlphaAndColoursStay) {
    TempDir dir;
    const std::string picture = dir.write("picture.jpg", colourJpeg(16, 16, 200, 40, 90));
    const std::string mask = dir.write("mask.jpg", halvesJpeg());
    Texture texture;
    texture.loadFromFile(picture.c_str(), mask.c_str(), GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    const std::vector<uint8_t> rgba = readRgba(texture);
    for (int x : {0, 7, 8, 15}) {
        const uint8_t* px = &rgba[(5 * 16 + x) * 4];
        EXPECT_EQ(px[3], x < 8 ? 255 : 0) << "x " << x;
        EXPECT_NEAR(px[0], 200, 2);
        EXPECT_NEAR(px[1], 40, 2);
        EXPECT_NEAR(px[2], 90, 2);
    }
}

// 16 x 16: the left half opaque, the right half clear, as halvesJpeg() masks it.
TEST_F(TextureTest, APngsAlphaIsItsMaskDrawnAsAJpegWithAMaskFileIs) {
    std::vector<uint8_t> rgba;
    for (int p = 0; p < 16 * 16; ++p) rgba.insert(rgba.end(), {200, 40, 90, uint8_t(p % 16 < 8 ? 255 : 0)});
    TempDir dir;
    const std::string png = dir.write("picture.png", rgbaPng(16, 16, rgba));
    const std::string jpeg = dir.write("picture.jpg", colourJpeg(16, 16, 200, 40, 90));
    const std::string mask = dir.write("mask.jpg", halvesJpeg());
    Texture fromPng;
    fromPng.loadFromFile(png.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    Texture fromJpeg;
    fromJpeg.loadFromFile(jpeg.c_str(), mask.c_str(), GL_TEXTURE_2D, TEX_NO_TRILINEAR);

    drawOverBlue(fromPng);
    const std::array<uint8_t, 4> pngShown = pixelAt(100, 240);
    const std::array<uint8_t, 4> pngHidden = pixelAt(540, 240);
    EXPECT_EQ(pngShown, (std::array<uint8_t, 4>{200, 40, 90, 255}));
    EXPECT_EQ(pngHidden, (std::array<uint8_t, 4>{0, 0, 255, 255}));
    drawOverBlue(fromJpeg);
    for (int x : {20, 100, 250, 390, 540, 620}) {
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(pixelAt(x, 240)[c], x < 320 ? pngShown[c] : pngHidden[c], 2) << "x " << x;
    }
}

TEST_F(TextureTest, ABrokenPngStillGivesATextureThatBinds) {
    TempDir dir;
    const std::string png = rgbaPng(16, 16, std::vector<uint8_t>(16 * 16 * 4, 90));
    const std::string cut = dir.write("cut.png", png.substr(0, png.size() - 30));
    Texture texture;
    testing::internal::CaptureStderr();
    texture.loadFromFile(cut.c_str(), "", GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(texture.textureId, 0u);
    EXPECT_EQ(texture.width, 0);
}

TEST_F(TextureTest, MissingMaskLeavesThePictureOpaque) {
    TempDir dir;
    const std::string picture = dir.write("picture.jpg", grayJpeg(8, 8, 90));
    const std::string mask = dir.file("nomask.jpg");
    Texture texture;
    testing::internal::CaptureStderr();
    texture.loadFromFile(picture.c_str(), mask.c_str(), GL_TEXTURE_2D, TEX_NO_TRILINEAR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "error open JPEG file \"" + mask + "\"\n");
    const std::vector<uint8_t> rgba = readRgba(texture);
    for (size_t p = 0; p < 64; ++p) EXPECT_EQ(rgba[p * 4 + 3], 255) << "pixel " << p;
}

TEST_F(TextureTest, OtherTargetGetsAGlObjectButNoFileIsRead) {
    Texture texture;
    testing::internal::CaptureStderr();
    texture.loadFromFile("no/such/file.jpg", "", GL_TEXTURE_3D, TEX_NO_TRILINEAR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(texture.textureId, 0u);
}
