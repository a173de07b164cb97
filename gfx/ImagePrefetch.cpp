// The worker decodes each listed picture with its messages held back; the texture
// store's thread takes them in its own order and decodes anything missing itself.
#include "gfx/ImagePrefetch.h"

#include <algorithm>

#include "gfx/Diagnostics.h"

namespace {

ImagePrefetch* livePrefetch = nullptr;

}  // namespace

ImagePrefetch::ImagePrefetch(std::vector<std::string> fileNames) {
    entries.resize(fileNames.size());
    for (size_t i = 0; i < fileNames.size(); ++i) entries[i].fileName = std::move(fileNames[i]);
    livePrefetch = this;
    worker = std::thread([this] { decodeAll(); });
}

ImagePrefetch::~ImagePrefetch() {
    {
        const std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    worker.join();
    if (livePrefetch == this) livePrefetch = nullptr;
}

void ImagePrefetch::decodeAll() {
    for (Entry& entry : entries) {
        {
            const std::lock_guard<std::mutex> guard(lock);
            if (stopping) return;
        }
        int32_t width = 0, height = 0, bytesPerPixel = 0;
        const QuietDiagnostics quiet;
        PixelBlock pixels = loadImage(entry.fileName.c_str(), width, height, bytesPerPixel);
        // Anything said on the way (a warning even) must be said by the real load.
        if (quiet.heldBack() != 0) pixels.reset();
        const std::lock_guard<std::mutex> guard(lock);
        entry.pixels = std::move(pixels);
        entry.width = width;
        entry.height = height;
        entry.bytesPerPixel = bytesPerPixel;
        entry.decoded = true;
        entryDone.notify_all();
    }
}

PixelBlock ImagePrefetch::take(const char* fileName, int32_t& width, int32_t& height,
                               int32_t& bytesPerPixel) {
    std::unique_lock<std::mutex> guard(lock);
    const auto listed = std::find_if(entries.begin(), entries.end(), [fileName](const Entry& entry) {
        return !entry.taken && entry.fileName == fileName;
    });
    if (listed == entries.end()) return nullptr;
    Entry& entry = *listed;
    entryDone.wait(guard, [&entry, this] { return entry.decoded || stopping; });
    entry.taken = true;
    if (entry.pixels == nullptr) return nullptr;
    width = entry.width;
    height = entry.height;
    bytesPerPixel = entry.bytesPerPixel;
    ++takenCount;
    return std::move(entry.pixels);
}

int32_t ImagePrefetch::taken() const {
    const std::lock_guard<std::mutex> guard(lock);
    return takenCount;
}

PixelBlock loadPicture(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel) {
    if (livePrefetch != nullptr) {
        PixelBlock pixels = livePrefetch->take(fileName, width, height, bytesPerPixel);
        if (pixels != nullptr) return pixels;
    }
    return loadImage(fileName, width, height, bytesPerPixel);
}

std::vector<std::string> filesDecodedBy(const std::vector<PictureLoad>& loads) {
    std::vector<std::string> pictures;
    std::vector<std::string> files;
    for (const PictureLoad& load : loads) {
        if (std::find(pictures.begin(), pictures.end(), load.fileName) != pictures.end()) continue;
        pictures.emplace_back(load.fileName);
        files.emplace_back(load.fileName);
        if (load.maskFileName[0] != '\0') files.emplace_back(load.maskFileName);
    }
    return files;
}
