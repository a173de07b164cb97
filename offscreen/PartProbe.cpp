// ffprobe's JSON report on a part, read with nlohmann::json. Counting packets reads
// the file without decoding it. Tag names are compared without case: Matroska
// writes COMMENT where MP4 writes comment.
#include "offscreen/PartProbe.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <vector>

#include "offscreen/ProgramOutput.h"

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<CapturedRange> rangeFromTags(const nlohmann::json& format) {
    const auto tags = format.find("tags");
    if (tags == format.end() || !tags->is_object()) return std::nullopt;
    for (const auto& [name, value] : tags->items()) {
        if (lowerCase(name) == "comment" && value.is_string()) return parseRangeTag(value.get<std::string>());
    }
    return std::nullopt;
}

// ffprobe gives counts as text.
int64_t countOf(const nlohmann::json& stream, const char* key) {
    const auto value = stream.find(key);
    if (value == stream.end()) return 0;
    if (value->is_number_integer()) return value->get<int64_t>();
    if (!value->is_string()) return 0;
    const std::string text = value->get<std::string>();
    return text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])) ? 0 : std::stoll(text);
}

// "30/1" as ffprobe writes a rate; 0/1 when it is not one.
void readRate(const nlohmann::json& stream, VideoPart& part) {
    const std::string text = stream.value("r_frame_rate", "");
    long long numerator = 0;
    long long denominator = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%lld/%lld%n", &numerator, &denominator, &consumed) == 2 &&
        static_cast<size_t>(consumed) == text.size() && numerator > 0 && denominator > 0) {
        part.rateNumerator = numerator;
        part.rateDenominator = denominator;
    }
}

// The format's duration, given as text.
double secondsOf(const nlohmann::json& report) {
    if (!report.contains("format") || !report["format"].is_object()) return -1.0;
    const std::string text = report["format"].value("duration", "");
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    return text.empty() || *end != '\0' || !(seconds >= 0.0) ? -1.0 : seconds;
}

}  // namespace

bool readProbeReport(const std::string& json, VideoPart& part, std::string& error) {
    const nlohmann::json report = nlohmann::json::parse(json, nullptr, false);
    if (report.is_discarded() || !report.contains("streams") || !report["streams"].is_array() ||
        report["streams"].empty()) {
        error = "it has no video stream";
        return false;
    }
    const nlohmann::json& stream = report["streams"][0];
    part.codec = stream.value("codec_name", "");
    part.width = stream.value("width", 0);
    part.height = stream.value("height", 0);
    part.pixelFormat = stream.value("pix_fmt", "");
    part.setupHash = stream.value("extradata_hash", "");
    part.frames = countOf(stream, "nb_read_packets");
    readRate(stream, part);
    part.seconds = secondsOf(report);
    part.range = report.contains("format") ? rangeFromTags(report["format"]) : std::nullopt;
    return true;
}

bool probePart(const std::string& ffprobe, const std::string& file, VideoPart& part, std::string& error) {
    const std::vector<std::string> args = {
        "-v",
        "error",
        "-select_streams",
        "v:0",
        "-count_packets",
        "-show_data_hash",
        "CRC32",
        "-show_entries",
        "stream=codec_name,width,height,pix_fmt,extradata_hash,nb_read_packets,r_frame_rate:format=duration:"
        "format_tags",
        "-of",
        "json",
        "file:" + file};
    std::string output;
    if (!runForOutput(ffprobe, args, output, error)) return false;
    return readProbeReport(output, part, error);
}
