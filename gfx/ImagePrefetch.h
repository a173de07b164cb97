// Decodes a known list of pictures on a worker thread ahead of the texture store,
// so that decoding overlaps the mipmap building of the pictures before them.
// A picture whose decode would say anything is left to the real load, which
// then reports it in its usual place; the decoded bytes are the same either way.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "gfx/Image.h"

class ImagePrefetch {
public:
    // Enough for a whole show of full-screen pictures; huge pictures are decoded
    // one or two ahead instead of all at once.
    static constexpr size_t DEFAULT_BYTES_AHEAD = size_t{64} << 20;

    // Starts decoding at once, in list order, holding at most `bytesAhead` of
    // decoded pictures not yet taken (one picture always). A name listed twice is
    // decoded twice and can be taken twice. The texture store takes from it while
    // it is handed one (TextureStore::decodedAhead).
    explicit ImagePrefetch(std::vector<std::string> fileNames, size_t bytesAhead = DEFAULT_BYTES_AHEAD);
    // Stops the worker after its current picture and drops what was not taken.
    ~ImagePrefetch();
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // The next untaken decode of that name, waiting for it if need be; null when
    // the name is not (or no longer) listed, or its decode was left to the real load.
    // Untaken entries listed before it are dropped: requests come in list order.
    PixelBlock take(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel);

    int32_t taken() const;  // pictures handed out decoded

private:
    struct Entry {
        std::string fileName;
        PixelBlock pixels;
        int32_t width = 0;
        int32_t height = 0;
        int32_t bytesPerPixel = 0;
        bool decoded = false;  // the worker is done with it, whatever came of it
        bool taken = false;
    };

    void decodeAll();
    // Marks it taken and hands over its pixels, if any; with the lock held.
    PixelBlock release(Entry& entry);

    std::vector<Entry> entries;
    mutable std::mutex lock;
    std::condition_variable entryDone;
    std::condition_variable roomAhead;
    size_t bytesAheadLimit = DEFAULT_BYTES_AHEAD;
    size_t bytesHeld = 0;
    bool stopping = false;
    int32_t takenCount = 0;
    std::thread worker;
};

// One request to the texture store: a picture and its mask ("" for none).
struct PictureLoad {
    const char* fileName = "";
    const char* maskFileName = "";
};

// The files the store decodes for these requests, in its order: a picture it
// already holds is not decoded again; a mask is decoded with each new picture.
std::vector<std::string> filesDecodedBy(const std::vector<PictureLoad>& loads);

// The picture from `decodedAhead` if it has it (null: none), else decoded here and now.
PixelBlock loadPicture(const char* fileName, int32_t& width, int32_t& height, int32_t& bytesPerPixel,
                       ImagePrefetch* decodedAhead);
