// The panels at fixed sizes from the window's edges; the column hangs from the
// transport bar, the frame times at most down to the strip.
#include "editor/EditorLayout.h"

#include <algorithm>
#include <initializer_list>

bool EditorLayout::covers(float x, float y) const {
    for (const PanelRect* panel : {&transport, &timeline, &script, &findings, &frameTimes}) {
        if (panel->contains(x, y)) return true;
    }
    return false;
}

EditorLayout editorLayout(float width, float height) {
    EditorLayout layout;
    layout.transport = {0.0f, 0.0f, width, EditorLayout::TRANSPORT_HEIGHT};
    layout.timeline = {0.0f, height - EditorLayout::STRIP_HEIGHT, width, EditorLayout::STRIP_HEIGHT};
    const float columnX = width - EditorLayout::COLUMN_WIDTH;
    const float top = EditorLayout::TRANSPORT_HEIGHT;
    const float bottom =
        std::min(layout.timeline.y, top + EditorLayout::SCRIPT_HEIGHT + EditorLayout::FINDINGS_HEIGHT +
                                        EditorLayout::FRAME_TIMES_HEIGHT);
    layout.script = {columnX, top, EditorLayout::COLUMN_WIDTH, EditorLayout::SCRIPT_HEIGHT};
    layout.findings = {columnX, layout.script.y + layout.script.height, EditorLayout::COLUMN_WIDTH,
                       EditorLayout::FINDINGS_HEIGHT};
    const float graphTop = layout.findings.y + layout.findings.height;
    layout.frameTimes = {columnX, graphTop, EditorLayout::COLUMN_WIDTH, std::max(0.0f, bottom - graphTop)};
    return layout;
}
