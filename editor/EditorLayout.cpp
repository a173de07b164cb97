// Sizes are whole pixels, so the picture's area and the panels meet without gaps.
#include "editor/EditorLayout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "scene/Scene.h"

namespace {

constexpr float PICTURE_WIDTH = 640.0f;
constexpr float PICTURE_HEIGHT = 480.0f;
constexpr float LEAST_PICTURE_HEIGHT = Scene::LARGEST_BUFFER;
constexpr float LEAST_PICTURE_WIDTH = LEAST_PICTURE_HEIGHT * 4.0f / 3.0f;

// `wanted` (or `fallback` when none was given) kept between `least` and what leaves
// `room` for the picture; the picture wins when both cannot be had.
float keptSize(float wanted, float fallback, float least, float room) {
    const float size = std::round(wanted > 0.0f ? wanted : fallback);
    return std::max(0.0f, std::min(std::max(size, least), room));
}

void layOutColumn(EditorLayout& layout, int32_t transportLines) {
    const float top = std::min(layout.column.height, std::round(EditorLayout::TRANSPORT_HEIGHT * layout.scale *
                                                               static_cast<float>(std::max(1, transportLines))));
    layout.transport = {layout.column.x, layout.column.y, layout.column.width, top};
    const PanelRect column{layout.column.x, layout.column.y + top, layout.column.width, layout.column.height - top};
    // The edit panel and the frame times keep their heights while the script and the
    // findings still get a fair share; in a short column all give way together.
    float editHeight = std::round(EditorLayout::EDIT_HEIGHT * layout.scale);
    float timesHeight = std::round(EditorLayout::FRAME_TIMES_HEIGHT * layout.scale);
    const float fixedMost = EditorLayout::FIXED_SHARE * column.height;
    if (editHeight + timesHeight > fixedMost) {
        const float shrink = fixedMost / (editHeight + timesHeight);
        editHeight = std::floor(editHeight * shrink);
        timesHeight = std::floor(timesHeight * shrink);
    }
    const float rest = column.height - editHeight - timesHeight;
    const float findingsHeight = std::round(rest * EditorLayout::FINDINGS_SHARE);
    layout.edit = {column.x, column.y, column.width, editHeight};
    layout.script = {column.x, column.y + editHeight, column.width, rest - findingsHeight};
    layout.findings = {column.x, layout.script.y + layout.script.height, column.width, findingsHeight};
    layout.frameTimes = {column.x, column.y + column.height - timesHeight, column.width, timesHeight};
}

}  // namespace

bool EditorLayout::covers(float x, float y) const {
    if (!panelsShown) return false;
    for (const PanelRect* panel : {&column, &timeline}) {
        if (panel->contains(x, y)) return true;
    }
    return false;
}

EditorLayout editorLayout(float width, float height, float scale, const PanelSizes& sizes, bool panelsShown) {
    EditorLayout layout;
    layout.scale = scale;
    layout.panelsShown = panelsShown;
    width = std::floor(width);
    height = std::floor(height);
    if (!panelsShown) {
        layout.picture = {0.0f, 0.0f, width, height};
        return layout;
    }
    layout.sizes.columnWidth = keptSize(sizes.columnWidth, width - PICTURE_WIDTH,
                                        std::round(EditorLayout::LEAST_COLUMN_WIDTH * scale),
                                        width - LEAST_PICTURE_WIDTH);
    layout.sizes.stripHeight = keptSize(sizes.stripHeight, height - PICTURE_HEIGHT,
                                        std::round(EditorLayout::LEAST_STRIP_HEIGHT * scale),
                                        height - LEAST_PICTURE_HEIGHT);
    layout.sizes.transportLines = sizes.transportLines;
    const float upper = std::max(0.0f, height - layout.sizes.stripHeight);
    const float pictureWidth = width - layout.sizes.columnWidth;
    layout.picture = {0.0f, 0.0f, pictureWidth, upper};
    layout.column = {pictureWidth, 0.0f, layout.sizes.columnWidth, upper};
    layout.timeline = {0.0f, upper, width, layout.sizes.stripHeight};
    const float edge = std::round(EditorLayout::EDGE * scale);
    layout.columnEdge = {pictureWidth, 0.0f, edge, upper};
    layout.stripEdge = {0.0f, upper, width, edge};
    layOutColumn(layout, sizes.transportLines);
    return layout;
}

void leastEditorWindow(float scale, int& width, int& height) {
    width = static_cast<int>(LEAST_PICTURE_WIDTH + std::round(EditorLayout::LEAST_COLUMN_WIDTH * scale));
    height = static_cast<int>(LEAST_PICTURE_HEIGHT + std::round(EditorLayout::LEAST_STRIP_HEIGHT * scale));
}

PictureArea editorPicture(const EditorLayout& layout, int windowHeight) {
    const PanelRect& area = layout.picture;
    const PixelBox box{static_cast<int32_t>(area.x),
                       windowHeight - static_cast<int32_t>(area.y + area.height),
                       std::max(1, static_cast<int32_t>(area.width)), std::max(1, static_cast<int32_t>(area.height))};
    PictureArea picture = pictureAreaInBox(box);
    if (layout.panelsShown) {
        // Held in the window's corner, not centred in its area: drawn there it is exactly
        // a capture of its own size.
        picture.x = box.x;
        picture.y = box.y + box.height - picture.height;
    }
    return picture;
}
