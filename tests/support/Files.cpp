// Reading and writing whole files in binary mode; an MP4's top-level boxes.
#include "tests/support/Files.h"

#include <cstdint>
#include <fstream>
#include <iterator>

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string topLevelBoxes(const std::string& mp4) {
    std::string types;
    for (size_t at = 0; at + 8 <= mp4.size();) {
        uint64_t size = 0;
        for (size_t k = 0; k < 4; ++k) size = size << 8 | static_cast<unsigned char>(mp4[at + k]);
        types += mp4.substr(at + 4, 4);
        if (size < 8) break;
        at += size;
    }
    return types;
}
