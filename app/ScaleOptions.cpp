// Reading and checking the scale options. A size must be even both ways (H.264 in
// yuv420p halves the colour planes) and hold the glow's largest capture inside the
// show's picture; its upper bound is this GL's.
#include "app/ScaleOptions.h"

#include <cctype>
#include <optional>
#include <utility>

#include "app/GlLimits.h"
#include "app/OptionChecks.h"
#include "gfx/PictureArea.h"
#include "scene/Scene.h"

namespace {

constexpr size_t MOST_DIGITS = 6;

// Whole pixels written as digits only: no sign, no leading zero.
std::optional<int32_t> pixelsOf(const std::string& text) {
    if (text.empty() || text.size() > MOST_DIGITS || text[0] == '0') return std::nullopt;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    }
    return static_cast<int32_t>(std::stol(text));
}

std::pair<int32_t, int32_t> parseSize(const std::string& text) {
    const size_t x = text.find('x');
    const std::optional<int32_t> width = x == std::string::npos ? std::nullopt : pixelsOf(text.substr(0, x));
    const std::optional<int32_t> height =
        x == std::string::npos ? std::nullopt : pixelsOf(text.substr(x + 1));
    if (!width || !height) {
        throw CLI::ValidationError("'" + text + "' is not a size: give WIDTHxHEIGHT in pixels (1920x1080)");
    }
    if (*width % 2 != 0 || *height % 2 != 0) {
        throw CLI::ValidationError(text + " has an odd side: video in yuv420p needs even widths and heights");
    }
    const PictureArea picture = pictureAreaIn(*width, *height);
    if (picture.width < Scene::LARGEST_BUFFER || picture.height < Scene::LARGEST_BUFFER) {
        throw CLI::ValidationError(
            text + " is too small: the show's 4:3 picture inside it must be at least " +
            std::to_string(Scene::LARGEST_BUFFER) + " pixels high (the glow's largest capture)");
    }
    return {*width, *height};
}

// CLI11 names the option when it reports the error.
void needsRun(const CLI::Option* capture, const CLI::Option* benchmark) {
    if (capture->count() == 0 && (benchmark == nullptr || benchmark->count() == 0)) {
        throw CLI::ValidationError(benchmark != nullptr ? "needs --capture or --benchmark"
                                                        : "needs --capture");
    }
}

void addEncodingOptions(CLI::App& cli, RunOptions& options, const CLI::Option* capture) {
    cli.add_option("--crf", options.encoding.crf,
                   "libx264's constant rate factor for --capture to .mp4 or .mkv: 0 lossless, 18 visually "
                   "lossless, 51 worst; given, it is that crf alone (without it: " +
                       std::to_string(options.encoding.crf) + ", held under " +
                       std::to_string(options.encoding.maxKbits / 1000) +
                       " Mbit/s); .webm keeps its own VP9 settings")
        ->check(wholeNumberFrom(0, 51))
        ->each([capture, &options](const std::string&) {
            needsRun(capture, nullptr);
            options.encoding.maxKbits = 0;
        });
    cli.add_option("--preset", options.encoding.preset,
                   "libx264's preset for --capture to .mp4 or .mkv (default " + options.encoding.preset +
                       "); slower ones make smaller files, ultrafast a quick draft; .webm keeps its own VP9 "
                       "settings")
        ->check(CLI::IsMember({"ultrafast", "superfast", "veryfast", "faster", "fast", "medium", "slow",
                               "slower", "veryslow", "placebo"}))
        ->each([capture](const std::string&) { needsRun(capture, nullptr); });
}

}  // namespace

void addScaleOptions(CLI::App& cli, RunOptions& options) {
    const CLI::Option* capture = cli.get_option("--capture");
    const CLI::Option* benchmark = cli.get_option("--benchmark");
    cli.add_option("--size", options.size,
                   "Render --capture or --benchmark at WIDTHxHEIGHT (even, e.g. 1920x1080): the show's 4:3 "
                   "picture scaled to fit and centred, black bars beside or above it (default: a video " +
                       std::to_string(VIDEO_WIDTH) + "x" + std::to_string(VIDEO_HEIGHT) +
                       ", PNG frames and the benchmark 640x480)")
        ->type_name("WxH")
        ->each([&options, capture, benchmark](const std::string& text) {
            needsRun(capture, benchmark);
            std::tie(options.frameWidth, options.frameHeight) = parseSize(text);
        });
    addEncodingOptions(cli, options, capture);
    auto* split = cli.add_option("--split", options.split,
                                 "Print the frames --capture would take (with --start, --end, --fps) as N "
                                 "adjacent ranges, one per line: --start Ams --end Bms")
                      ->type_name("N")
                      ->check(wholeNumberFrom(1, 1000000));
    split->excludes(cli.get_option("--capture"))->excludes(cli.get_option("--benchmark"));
    auto* join =
        cli.add_option("--join", options.join,
                       "--join OUT PART...: join range videos captured apart (adjacent, same size "
                       "and encoder settings) into OUT without re-encoding, the song under the whole")
            ->expected(2, CLI::detail::expected_max_vector_size);
    for (const char* other :
         {"--capture", "--benchmark", "--split", "--frames", "--start", "--end", "--trace"})
        join->excludes(cli.get_option(other));
    cli.get_option("--no-sound")->each([capture, join](const std::string&) {
        if (capture->count() == 0 && join->count() == 0)
            throw CLI::ValidationError("--no-sound", "needs --capture or --join");
    });
}

void checkSizeAgainstGl(const RunOptions& options) {
    if (options.size.empty()) return;
    GlLimits limits;
    if (!queryGlLimits(limits)) return;
    if (options.frameWidth > limits.maxWidth || options.frameHeight > limits.maxHeight) {
        throw CLI::ValidationError(
            "--size", options.size + " is larger than this machine's GL draws (at most " +
                          std::to_string(limits.maxWidth) + "x" + std::to_string(limits.maxHeight) + ")");
    }
}
