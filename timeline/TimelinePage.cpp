// Builds the page around the SVG. The page's data holds the row geometry (to turn
// a pointer position into song time) and one box per tooltip, so that its script
// needs to know nothing about how the picture is drawn.
#include "timeline/TimelinePage.h"

#include <nlohmann/json.hpp>

#include "timeline/TimelineJson.h"
#include "timeline/TimelineOutput.h"

namespace {

constexpr const char* PAGE_STYLE = R"(
body { margin: 0; background: #fafaf7; font: 12px "DejaVu Sans", sans-serif; color: #222; }
#chart svg { display: block; }
#readout { position: fixed; top: 4px; right: 10px; padding: 2px 6px; background: rgba(250,250,247,.9);
           font-variant-numeric: tabular-nums; }
#tip { position: fixed; display: none; pointer-events: none; white-space: pre; max-width: 60em;
       padding: 4px 6px; background: #222; color: #fff; border-radius: 3px; font-size: 12px; }
.hit { fill: #000; fill-opacity: 0; cursor: default; }
.hit:hover { fill-opacity: 0.18; }
)";

std::string withoutXmlDeclaration(std::string svg) {
    if (svg.rfind("<?xml", 0) == 0) svg.erase(0, svg.find('\n') + 1);
    return svg;
}

nlohmann::ordered_json pageData(const TimelineDrawing& drawing) {
    const TimelineLayout& layout = drawing.layout;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const LayoutRow& row : layout.rows)
        rows.push_back(
            {{"from", row.from}, {"to", row.to}, {"top", row.top}, {"bottom", row.top + layout.lanesHeight}});
    nlohmann::ordered_json hits = nlohmann::ordered_json::array();
    for (const HitBox& hit : layout.hits)
        hits.push_back({{"x", hit.x}, {"y", hit.y}, {"w", hit.width}, {"h", hit.height}, {"tip", hit.tip}});
    return {{"width", layout.width},
            {"plotLeft", layout.plotLeft},
            {"plotRight", layout.plotRight},
            {"pixelsPerSecond", layout.pixelsPerSecond},
            {"rows", rows},
            {"hits", hits},
            {"timeline", timelineJson(drawing.timeline)}};
}

// JSON inside a script element must not contain "</script>"; "<" only occurs in strings,
// where its escape means the same.
std::string scriptSafe(const std::string& json) {
    std::string safe;
    safe.reserve(json.size());
    for (char c : json) {
        if (c == '<') {
            safe += "\\u003c";
        } else {
            safe += c;
        }
    }
    return safe;
}

}  // namespace

std::string timelinePage(const TimelineDrawing& drawing) {
    constexpr auto REPLACE = nlohmann::ordered_json::error_handler_t::replace;  // as the JSON form does
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<title>flashstep timeline</title>\n<style>";
    page += PAGE_STYLE;
    page += "</style>\n</head>\n<body>\n<div id=\"chart\">\n";
    page += withoutXmlDeclaration(timelineSvg(drawing));
    page += "</div>\n<div id=\"readout\"></div>\n<div id=\"tip\"></div>\n";
    page += "<script id=\"timeline-data\" type=\"application/json\">";
    page += scriptSafe(pageData(drawing).dump(-1, ' ', false, REPLACE));
    page += "</script>\n<script>";
    page += timelinePageScript();
    page += "</script>\n</body>\n</html>\n";
    return page;
}
