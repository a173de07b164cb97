// The worker decodes each listed picture with its messages held back; the texture
// store's thread takes them in its own order and decodes anything missing itself.
#include "gfx/ImagePrefetch.h"

#include <algorithm>

#include "gfx/Diagnostics.h"

namespace {

size_t blockBytes(int32_t width, int32_t height, int32_t bytesPerPixel) {
    return static_cast<size_t>(width) * static_cast<size_t>(height) * static_cast<size_t>(bytesPerPixel);
}

}  // namespace

ImagePrefetch::ImagePrefetch(std::vector<std::string> fileNames, size_t bytesAhead)
    : bytesAheadLimit(bytesAhead) {
    entries.resize(fileNames.size());
    for (size_t i = 0; i < fileNames.size(); ++i) entries[i].fileName = std::move(fileNames[i]);
    worker = std::thread([this] { decodeAll(); });
}

ImagePrefetch::~ImagePrefetch() {
    {
        const std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    roomAhead.notify_all();
    worker.join();
}

void ImagePrefetch::decodeAll() {
    for (Entry& entry : entries) {
        {
            std::unique_lock<std::mutex> guard(lock);
            roomAhead.wait(guard,
                           [this] { return stopping || bytesHeld == 0 || bytesHeld < bytesAheadLimit; });
            if (stopping) return;
            // Passed over by the store already: not worth decoding.
            if (entry.taken) continue;
        }
        int32_t width = 0, height = 0, bytesPerPixel = 0;
        const QuietDiagnostics quiet;
        PixelBlock pixels = loadImage(entry.fileName.c_str(), width, height, bytesPerPixel);
        // Anything said on the way (a warning even) must be said by the real load.
        if (quiet.heldBack() != 0) pixels.reset();
        const std::lock_guard<std::mutex> guard(lock);
        entry.decoded = true;
        entryDone.notify_all();
        // Passed over while it was being decoded: held, it would never be let go.
        if (entry.taken) continue;
        if (pixels != nullptr) bytesHeld += blockBytes(width, height, bytesPerPixel);
        entry.pixels = std::move(pixels);
        entry.width = width;
        entry.height = height;
        entry.bytesPerPixel = bytesPerPixel;
    }
}

PixelBlock ImagePrefetch::take(const char* fileName, int32_t& width, int32_t& height,
                               int32_t& bytesPerPixel) {
    std::unique_lock<std::mutex> guard(lock);
    const auto listed = std::find_if(entries.begin(), entries.end(), [fileName](const Entry& entry) {
        return !entry.taken && entry.fileName == fileName;
    });
    if (listed == entries.end()) return nullptr;
    for (auto passed = entries.begin(); passed != listed; ++passed) {
        if (!passed->taken) release(*passed);
    }
    roomAhead.notify_all();
    Entry& entry = *listed;
    entryDone.wait(guard, [&entry, this] { return entry.decoded || stopping; });
    PixelBlock pixels = release(entry);
    if (pixels == nullptr) return nullptr;
    roomAhead.notify_all();
    width = entry.width;
    height = entry.height;
    bytesPerPixel = entry.bytesPerPixel;
    ++takenCount;
    return pixels;
}

PixelBlock ImagePrefetch::release(Entry& entry) {
    if (entry.pixels != nullptr) bytesHeld -= blockBytes(entry.width, entry.height, entry.bytesPerPixel);
    entry.taken = true;
    return std::move(entry.pixels);
}

int32_t ImagePrefetch::taken() const {
    const std::lock_guard<std::mutex> guard(lock);
    return takenCount;
}

PixelBlock loadPicture(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel,
                       ImagePrefetch* decodedAhead) {
    if (decodedAhead != nullptr) {
        PixelBlock pixels = decodedAhead->take(fileName, width, height, bytesPerPixel);
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
