// JPEG headers through libjpeg's 6b interface. Fatal library errors come back through a saved
// jump point, as in the decoder; the library's messages are kept as text, never printed.
#include "check/PictureCheck.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "base/RegularFile.h"
#include "check/FindingCodes.h"
#include "check/PngHeader.h"
#include "check/ScriptFinding.h"
#include "gfx/Image.h"
#include "gfx/ImageLimits.h"
#include "script/PictureNames.h"

namespace {

struct HeaderErrors {
    jpeg_error_mgr manager = {};  // first: the library hands back a pointer to it
    std::jmp_buf recoveryPoint = {};
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void keepErrorAndLeave(j_common_ptr info) {
    auto* errors = reinterpret_cast<HeaderErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->recoveryPoint, 1);
}

void holdWarning(j_common_ptr) {}

// The header's facts that decide whether the decoder takes a picture.
struct HeaderFacts {
    int precision = 0;
    int components = 0;
    J_COLOR_SPACE colorSpace = JCS_UNKNOWN;
    JDIMENSION width = 0;
    JDIMENSION height = 0;
};

// Empty when the decoder takes a picture with this header.
std::string headerProblem(const HeaderFacts& header) {
    if (header.precision != 8)
        return std::to_string(header.precision) + "-bit samples: only 8-bit pictures decode";
    if (header.components != 1 && header.components != 3) {
        const bool cmyk = header.colorSpace == JCS_CMYK || header.colorSpace == JCS_YCCK;
        const std::string what = cmyk ? "a CMYK picture" : std::to_string(header.components) + " components";
        return what + ": only gray and RGB pictures decode";
    }
    if (!pictureSizeAllowed(header.width, header.height))
        return std::to_string(header.width) + " x " + std::to_string(header.height) +
               " pixels is beyond the decoder's size limit";
    return "";
}

// Holds the jump point; owns nothing with a destructor, so the jump skips none. False, with the
// library's message, when the header cannot be read.
bool readHeader(std::FILE* file, HeaderFacts& header, char (&message)[JMSG_LENGTH_MAX]) {
    jpeg_decompress_struct info = {};
    HeaderErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = keepErrorAndLeave;
    errors.manager.output_message = holdWarning;
    if (setjmp(errors.recoveryPoint) != 0) {
        jpeg_destroy_decompress(&info);
        std::memcpy(message, errors.message, sizeof message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    // The output colour space and component count the decoder's defaults give.
    jpeg_calc_output_dimensions(&info);
    header = {info.data_precision, info.output_components, info.jpeg_color_space, info.image_width,
              info.image_height};
    jpeg_destroy_decompress(&info);
    return true;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

Finding pictureFinding(const std::string& file, const char* code, std::string message) {
    Finding finding;
    finding.file = file;
    finding.severity = Severity::Error;
    finding.code = code;
    finding.message = std::move(message);
    return finding;
}

// A picture under the same name with another ending, as a PNG saved in place of a
// usual JPEG ends up (data/title1.png for data/title1.jpg); empty when there is none.
std::string pictureBeside(const std::string& file) {
    if (!std::filesystem::path(file).has_extension()) return "";
    for (const char* ending : {".png", ".PNG", ".jpeg", ".JPEG", ".JPG", ".jpg"}) {
        const std::string beside = std::filesystem::path(file).replace_extension(ending).string();
        if (beside == file) continue;
        const std::unique_ptr<std::FILE, FileCloser> opened(openRegularStream(beside.c_str()));
        if (opened != nullptr) return beside;
    }
    return "";
}

// `takenBy`: the header lines that would take another file in this one's place
// ("init picture 9", "init picture 10"); none for a mask.
void checkFile(const std::string& file, const std::string& maskOf, const std::vector<std::string>& takenBy,
               std::vector<Finding>& findings) {
    const PictureVerdict verdict = readPictureHeader(file.c_str());
    if (verdict.problem.empty()) return;
    std::string effect = maskOf.empty() ? "it draws as a white quad"
                                        : "it is the mask of " + maskOf + ", which stays fully opaque";
    const std::string beside = verdict.opened || takenBy.empty() ? "" : pictureBeside(file);
    if (!beside.empty()) {
        effect += "; " + quoted(beside) + " is there, used only when the script names it:";
        for (const std::string& line : takenBy) effect += " `" + line + " " + beside + "`";
    }
    findings.push_back(pictureFinding(file,
                                      verdict.opened ? code::PICTURE_UNDECODABLE : code::PICTURE_MISSING,
                                      verdict.problem + ": " + effect));
}

// A picture the show asks for by its usual file, with the header line that names its place.
struct UsualPicture {
    const ShowPicture* picture;
    std::string takenBy;
};

}  // namespace

PictureVerdict readPictureHeader(const char* fileName) {
    PictureVerdict verdict;
    const std::unique_ptr<std::FILE, FileCloser> file(openRegularStream(fileName));
    if (file == nullptr) {
        verdict.openError = errno;
        verdict.problem = "cannot be opened (" + openProblem(errno) + ")";
        return verdict;
    }
    verdict.opened = true;
    // The decoder goes by the same bytes: a PNG's signature, or else the JPEG decoder.
    const PictureSignature signature = pictureSignature(file.get());
    if (signature == PictureSignature::Png) {
        verdict.problem = pngHeaderProblem(file.get());
        return verdict;
    }
    verdict.otherKind = signature == PictureSignature::Other;
    HeaderFacts header;
    char message[JMSG_LENGTH_MAX] = {};
    verdict.problem = readHeader(file.get(), header, message) ? headerProblem(header) : message;
    return verdict;
}

// In the show's load order: the scene's pictures, then the overlay's, each file once.
std::vector<Finding> checkPictures(const ShowPictures& pictures) {
    std::vector<UsualPicture> usual;  // shown, and by their usual files
    const auto add = [&usual](const ShowPicture& picture, std::string takenBy) {
        if (picture.shown && !picture.named) usual.push_back({&picture, std::move(takenBy)});
    };
    for (int32_t role = 0; role < TEXTURE_ROLES; ++role) {
        for (const ScenePictureSlot slot : sceneSlotsOf(static_cast<TextureRole>(role)))
            add(pictures.scene[slot], std::string("init texture ") + TEXTURE_ROLE_NAMES[role]);
    }
    for (int32_t slot = 0; slot < PICTURE_SLOTS; ++slot)
        add(pictures.overlay[slot], "init picture " + std::to_string(slot));
    // Every line that would take another file in a usual one's place (slots 9 and 10 share one).
    std::map<std::string, std::vector<std::string>> takenBy;
    for (const UsualPicture& u : usual) {
        std::vector<std::string>& lines = takenBy[u.picture->file];
        if (std::find(lines.begin(), lines.end(), u.takenBy) == lines.end()) lines.push_back(u.takenBy);
    }
    std::vector<Finding> findings;
    std::set<std::string> checked;
    for (const UsualPicture& u : usual) {
        const ShowPicture& picture = *u.picture;
        if (checked.insert(picture.file).second) checkFile(picture.file, "", takenBy[picture.file], findings);
        if (!picture.mask.empty() && checked.insert(picture.mask).second)
            checkFile(picture.mask, picture.file, {}, findings);
    }
    return findings;
}

std::vector<Finding> checkNamedPictures(const std::vector<NamedFile>& named) {
    std::vector<Finding> findings;
    for (const NamedFile& line : named) {
        const PictureVerdict verdict = readPictureHeader(line.file.c_str());
        if (verdict.problem.empty()) continue;
        const std::string what = quoted(line.file);
        if (!verdict.opened) {
            const bool missing = verdict.openError == ENOENT || verdict.openError == ENOTDIR;
            findings.push_back(scriptFinding(line.at, Severity::Error,
                                             missing ? code::PICTURE_MISSING : code::PICTURE_UNREADABLE,
                                             what + (missing ? " is not there" : " " + verdict.problem) +
                                                 ": where the script shows it, it draws as a white quad"));
        } else if (verdict.otherKind) {
            findings.push_back(scriptFinding(line.at, Severity::Error, code::PICTURE_KIND,
                                             what + " is neither a JPEG nor a PNG picture: where the script "
                                                    "shows it, it draws as a white quad"));
        } else {
            findings.push_back(scriptFinding(line.at, Severity::Error, code::PICTURE_UNDECODABLE,
                                             what + " will not decode: " + verdict.problem +
                                                 "; where the script shows it, it draws as a white quad"));
        }
    }
    return findings;
}
