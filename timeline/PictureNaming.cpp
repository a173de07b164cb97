// Picture names. Cutting counts bytes but never splits a UTF-8 sequence; the text is made
// valid with the rest of the timeline's.
#include "timeline/PictureNaming.h"

#include "scene/ScenePictures.h"

namespace {

constexpr const char* ELLIPSIS = "\xE2\x80\xA6";

bool continuesSequence(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// `name` cut to about `longest` bytes, keeping its start and its end (where the kind is).
std::string cutInTheMiddle(const std::string& name, std::size_t longest) {
    if (name.size() <= longest || longest < 3) return name;
    std::size_t head = (longest - 1) / 2;
    std::size_t tail = name.size() - (longest - 1 - head);
    while (head > 0 && continuesSequence(name[head])) --head;
    while (tail < name.size() && continuesSequence(name[tail])) ++tail;
    return name.substr(0, head) + ELLIPSIS + name.substr(tail);
}

}  // namespace

std::array<std::string, PICTURE_SLOTS> overlayPictureFiles(const DemoScript& script) {
    const ShowPictures pictures = showPicturesOf(script);
    std::array<std::string, PICTURE_SLOTS> files;
    for (std::size_t slot = 0; slot < files.size(); ++slot) files[slot] = pictures.overlay[slot].file;
    return files;
}

std::string pictureLabel(int32_t slot, const std::string& file, std::size_t longest) {
    if (file.empty()) return "picture " + std::to_string(slot);
    const std::size_t slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return std::to_string(slot) + " " + cutInTheMiddle(name, longest);
}
