// The list of pictures decoded ahead of the scene must be exactly what the scene's
// construction decodes: nothing listed in vain, nothing left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/ImagePrefetch.h"
#include "gfx/TextureStore.h"
#include "scene/Scene.h"
#include "scene/ScenePictures.h"
#include "tests/support/GlContext.h"
#include "tests/support/JpegWriter.h"
#include "tests/support/ShowFiles.h"
#include "tests/support/TempDir.h"

TEST(ScenePictures, ThePrefetchListIsWhatTheSceneDecodesInItsOrder) {
    GlContext gl;
    ASSERT_TRUE(gl.ok());
    TempDir folder;
    for (const char* name : SHOW_PICTURES) folder.write(std::string("data/") + name, grayJpeg(8, 8, 100));
    const std::filesystem::path previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());

    TextureStore store;
    const std::vector<std::string> listed = filesDecodedBy(showPictureLoads());
    {
        ImagePrefetch prefetch(listed);
        store.decodedAhead = &prefetch;
        Scene scene(store);
        store.decodedAhead = nullptr;
        // Every entry taken: nothing was listed in vain.
        EXPECT_EQ(prefetch.taken(), static_cast<int32_t>(listed.size()));
    }
    std::filesystem::current_path(previousFolder);

    for (int32_t i = 0; i < store.count; ++i) {
        const std::string name = store.names[i];
        if (name.empty()) continue;
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name << " decoded unlisted";
    }
    EXPECT_NE(std::find(listed.begin(), listed.end(), "data/tekstit-alpha.jpg"), listed.end());
}
