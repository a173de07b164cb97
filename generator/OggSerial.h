// Makes an Ogg file repeatable: sets the stream serial number of every page to a
// given value and recomputes each page's checksum. Handles the single logical
// stream that the encoder writes; anything that is not a run of well-formed
// pages is refused and left unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The Ogg page checksum: CRC-32, polynomial 0x04C11DB7, no reflection, start 0.
uint32_t oggChecksum(const uint8_t* data, std::size_t size);
// False (bytes untouched) if the data is not a sequence of complete Ogg pages.
bool setOggSerial(std::vector<uint8_t>& bytes, uint32_t serial);
// The same for a file, rewritten in place. False with a message on failure.
bool setOggSerialInFile(const std::string& path, uint32_t serial);
