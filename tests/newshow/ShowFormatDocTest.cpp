// The show format as written down for authors stays true to the player's own tables:
// every keyword, every picture file with its use, and every small picture it shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "newshow/ShowPictureFiles.h"
#include "script/EventTable.h"
#include "script/PictureNames.h"
#include "tests/support/Files.h"

namespace fs = std::filesystem;

namespace {

const std::string DOCS = std::string(FLASHSTEP_SOURCE_DIR) + "/docs/";

bool names(const std::string& text, const std::string& word) {
    return text.find(word) != std::string::npos;
}

}  // namespace

TEST(ShowFormatDoc, NamesEveryKeywordPictureFileAndSlotAndShowsPicturesThatExist) {
    const std::string text = readFile(DOCS + "SHOW-FORMAT.md");
    ASSERT_FALSE(text.empty());
    for (const EventEntry& entry : EVENT_TABLE) {
        const std::string keyword = entry.keyword;
        EXPECT_TRUE(names(text, "| `" + keyword + "` |")) << keyword << " has no row";
    }
    for (const ShowPictureFile& picture : showPictureFiles()) {
        EXPECT_TRUE(names(text, "`" + picture.path + "`")) << picture.path;
        for (const int slot : picture.overlayPictures) {
            EXPECT_TRUE(names(text, "| " + std::to_string(slot) + " | `" + picture.path + "`"))
                << "slot " << slot << " is not " << picture.path;
        }
        const std::string size = std::to_string(picture.width) + " × " + std::to_string(picture.height);
        if (!picture.sceneSlots.empty()) {
            EXPECT_TRUE(names(text, "| `" + picture.path + "` |"))
                << picture.path << " has no row of its own";
            EXPECT_TRUE(names(text, size)) << picture.path << " " << size;
        }
    }
    for (const char* role : TEXTURE_ROLE_NAMES)
        EXPECT_TRUE(names(text, "| `" + std::string(role) + "` |")) << role;
    for (size_t at = text.find("](pictures/"); at != std::string::npos;
         at = text.find("](pictures/", at + 1)) {
        const std::string file = text.substr(at + 2, text.find(')', at) - at - 2);
        EXPECT_TRUE(fs::exists(DOCS + file)) << file << " is shown but not in docs/";
    }
}
