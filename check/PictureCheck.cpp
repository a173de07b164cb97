// JPEG headers through libjpeg's 6b interface. Fatal library errors come back through a saved
// jump point, as in the decoder; the library's messages are kept as text, never printed.
#include "check/PictureCheck.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
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

void checkFile(const std::string& file, const std::string& maskOf, std::vector<Finding>& findings) {
    const PictureVerdict verdict = readPictureHeader(file.c_str());
    if (verdict.problem.empty()) return;
    const std::string effect = maskOf.empty() ? "it draws as a white quad"
                                              : "it is the mask of " + maskOf + ", which stays fully opaque";
    findings.push_back(pictureFinding(file,
                                      verdict.opened ? code::PICTURE_UNDECODABLE : code::PICTURE_MISSING,
                                      verdict.problem + ": " + effect));
}

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

std::vector<Finding> checkPictures(const std::vector<PictureLoad>& loads) {
    std::vector<Finding> findings;
    std::set<std::string> checked;
    for (const PictureLoad& load : loads) {
        if (checked.insert(load.fileName).second) checkFile(load.fileName, "", findings);
        const std::string mask = load.maskFileName;
        if (!mask.empty() && checked.insert(mask).second) checkFile(mask, load.fileName, findings);
    }
    return findings;
}

std::vector<Finding> checkPictures(const ShowPictures& pictures) {
    std::vector<PictureLoad> checked;
    for (const ShowPicture& picture : pictures.scene) {
        if (picture.shown && !picture.named) checked.push_back(picture.load());
    }
    for (const ShowPicture& picture : pictures.overlay) {
        if (picture.shown && !picture.named) checked.push_back(picture.load());
    }
    return checkPictures(checked);
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
