// One writer thread and a small pool of frame buffers handed back and forth under
// one mutex. The write itself runs unlocked; a failed write stops all later ones.
#include "offscreen/FrameWriter.h"

FrameWriter::FrameWriter(PipedProgram& program, size_t depth) : program_(program), buffers_(depth) {
    for (size_t i = 0; i < depth; ++i) free_.push_back(i);
    thread_ = std::thread([this] { run(); });
}

FrameWriter::~FrameWriter() {
    finish();
}

std::vector<uint8_t>& FrameWriter::nextBuffer() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return !free_.empty(); });
    filling_ = free_.front();
    free_.pop_front();
    return buffers_[filling_];
}

bool FrameWriter::submit() {
    std::lock_guard<std::mutex> lock(mutex_);
    queued_.push_back(filling_);
    changed_.notify_all();
    return !failed_;
}

bool FrameWriter::finish() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    return !failed_;
}

int64_t FrameWriter::written() {
    std::lock_guard<std::mutex> lock(mutex_);
    return written_;
}

void FrameWriter::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
        if (queued_.empty()) return;
        const size_t index = queued_.front();
        queued_.pop_front();
        bool ok = !failed_;
        if (ok) {
            lock.unlock();
            ok = program_.write(buffers_[index].data(), buffers_[index].size());
            lock.lock();
        }
        failed_ = failed_ || !ok;
        written_ += ok ? 1 : 0;
        free_.push_back(index);
        changed_.notify_all();
    }
}
