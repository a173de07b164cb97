// Feeds frames to the encoder from a thread of its own, so the renderer draws on
// while the encoder reads. At most `depth` frames wait to be written; a renderer
// that runs further ahead waits for a free buffer (the encoder sets the pace).
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "offscreen/PipedProgram.h"

class FrameWriter {
public:
    FrameWriter(PipedProgram& program, size_t depth);
    ~FrameWriter();  // waits for the frames already queued
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // A buffer for the next frame; waits while every buffer is queued.
    std::vector<uint8_t>& nextBuffer();
    // Queues the buffer nextBuffer gave; false once a write has failed.
    bool submit();
    // Waits until every queued frame is written; false when any write failed.
    bool finish();
    // Frames written to the encoder so far.
    int64_t written();

private:
    void run();

    PipedProgram& program_;
    std::vector<std::vector<uint8_t>> buffers_;
    std::deque<size_t> queued_;  // buffers waiting to be written, oldest first
    std::deque<size_t> free_;
    size_t filling_ = 0;
    int64_t written_ = 0;
    bool failed_ = false;
    bool closing_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};
