// Page layout: "OggS", version, flags, granule position (8 bytes), serial (4, at
// offset 14), sequence number (4), checksum (4, at offset 22), segment count (at
// 26), the segment table, then the body. Integers are little-endian.
#include "generator/OggSerial.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

constexpr std::size_t HEADER_SIZE = 27;
constexpr std::size_t SERIAL_OFFSET = 14;
constexpr std::size_t CHECKSUM_OFFSET = 22;
constexpr std::size_t SEGMENT_COUNT_OFFSET = 26;

constexpr std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit) r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
        table[i] = r;
    }
    return table;
}
constexpr std::array<uint32_t, 256> TABLE = makeTable();

void putLittleEndian(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Size of the page starting at `offset`, or 0 if no complete page starts there.
std::size_t pageSize(const std::vector<uint8_t>& bytes, std::size_t offset) {
    if (bytes.size() - offset < HEADER_SIZE || std::memcmp(&bytes[offset], "OggS", 4) != 0) return 0;
    const std::size_t segments = bytes[offset + SEGMENT_COUNT_OFFSET];
    if (bytes.size() - offset < HEADER_SIZE + segments) return 0;
    std::size_t body = 0;
    for (std::size_t s = 0; s < segments; ++s) body += bytes[offset + HEADER_SIZE + s];
    const std::size_t size = HEADER_SIZE + segments + body;
    return bytes.size() - offset < size ? 0 : size;
}

void restamp(uint8_t* page, std::size_t size, uint32_t serial) {
    putLittleEndian(page + SERIAL_OFFSET, serial);
    putLittleEndian(page + CHECKSUM_OFFSET, 0);
    putLittleEndian(page + CHECKSUM_OFFSET, oggChecksum(page, size));
}

}  // namespace

uint32_t oggChecksum(const uint8_t* data, std::size_t size) {
    uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) crc = (crc << 8) ^ TABLE[((crc >> 24) ^ data[i]) & 0xFF];
    return crc;
}

bool setOggSerial(std::vector<uint8_t>& bytes, uint32_t serial) {
    // Check the whole file first, so a refusal leaves it untouched.
    std::vector<std::size_t> pages;
    for (std::size_t offset = 0; offset < bytes.size();) {
        const std::size_t size = pageSize(bytes, offset);
        if (size == 0) return false;
        pages.push_back(offset);
        offset += size;
    }
    if (pages.empty()) return false;
    for (std::size_t offset : pages) restamp(&bytes[offset], pageSize(bytes, offset), serial);
    return true;
}

bool setOggSerialInFile(const std::string& path, uint32_t serial) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || !setOggSerial(bytes, serial)) {
        std::cerr << path << " is not a readable Ogg file\n";
        return false;
    }
    in.close();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::cerr << "cannot rewrite " << path << "\n";
    return static_cast<bool>(out);
}
