// Where the editor's parts sit in its window: the show's picture in its own area
// in the upper left corner, a column on its right (the transport bar, the edit
// panel, the script, the findings, the frame times) and the timeline strip along
// the bottom. Nothing is ever drawn over the picture's area. The picture keeps the
// window's upper left corner, where the software renderer's own rows and tiles
// start: there it is drawn pixel for pixel as a capture of its size draws it.
// The column's width and the strip's height are the user's (dragged at their inner
// edges and remembered); by default they leave the picture's area exactly 640 x 480
// wherever the window has room. With the panels hidden the picture has the whole
// window. Geometry only, in window pixels, y down.
#pragma once

#include <cstdint>

#include "gfx/PictureArea.h"

struct PanelRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    bool contains(float px, float py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

// The sizes the user gave the panels; 0: the default.
struct PanelSizes {
    float columnWidth = 0.0f;
    float stripHeight = 0.0f;
    int32_t transportLines = 1;  // as many as the transport bar's items need at this width
};

struct EditorLayout {
    // At a user interface scale of 1; every size is multiplied by the scale.
    static constexpr float TRANSPORT_HEIGHT = 26.0f;
    static constexpr float LEAST_COLUMN_WIDTH = 240.0f;
    static constexpr float LEAST_STRIP_HEIGHT = 150.0f;
    static constexpr float EDIT_HEIGHT = 128.0f;
    static constexpr float FRAME_TIMES_HEIGHT = 84.0f;
    static constexpr float FINDINGS_SHARE = 0.3f;  // of what the column keeps for the script and findings
    static constexpr float FIXED_SHARE = 0.6f;     // of the column, at most, for the edit panel and frame times
    static constexpr float EDGE = 5.0f;            // the band at a panel's inner edge that drags it

    float scale = 1.0f;
    bool panelsShown = true;
    PanelSizes sizes;  // as laid out: the user's, or the default, kept inside the window

    PanelRect transport;
    PanelRect picture;  // the show's area: the picture is the largest 4:3 inside it
    PanelRect column;
    PanelRect edit;
    PanelRect script;
    PanelRect findings;
    PanelRect frameTimes;
    PanelRect timeline;
    PanelRect columnEdge;  // dragging it sets the column's width
    PanelRect stripEdge;   // dragging it sets the strip's height

    // True where a panel covers the window.
    bool covers(float x, float y) const;
};

// The picture's area never goes below the glow's largest capture in height: the
// panels give way first, then the window's minimum size holds.
EditorLayout editorLayout(float width, float height, float scale = 1.0f, const PanelSizes& sizes = {},
                          bool panelsShown = true);
// The smallest window the editor opens or shrinks to at `scale`.
void leastEditorWindow(float scale, int& width, int& height);
// The show's picture in the layout's area of a window `windowHeight` pixels tall, in
// framebuffer pixels (y up): the largest 4:3 picture in the area, in its upper left
// corner (centred in the window when the panels are hidden); exactly 640 x 480 when
// the area is that size.
PictureArea editorPicture(const EditorLayout& layout, int windowHeight);
