// Saving an edited script over the file it was read from: atomically (a temporary file in the
// same folder, its mode kept, flushed to disk, then put in the file's place), and never over a
// save from outside made since the editor's read: the file must still hold the very bytes read.
#pragma once

#include <functional>
#include <optional>
#include <string>

enum class SaveStatus {
    Saved,
    ChangedOutside,  // the file no longer holds what was read: take `onDisk` in first
    Failed,
};

struct SaveResult {
    SaveStatus status = SaveStatus::Failed;
    std::string onDisk;   // ChangedOutside: the bytes the file holds now
    std::string message;  // Failed: what went wrong, naming the file
};

// The file's bytes; nothing when it cannot be read.
std::optional<std::string> readScriptFile(const std::string& path);

// Puts `text` in the place of `path` (of the file it links to, for a link) if it still holds
// `read`. `beforeReplace` runs between writing the temporary file and putting it in place: a
// test's stand-in for a save from outside landing at the worst moment.
SaveResult saveScript(const std::string& path, const std::string& read, const std::string& text,
                      const std::function<void()>& beforeReplace = {});
