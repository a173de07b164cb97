// Where the overlay's panels sit on the window: a transport bar along the top, the
// timeline strip along the bottom, and a column on the right with the script, the
// findings and the frame times. The show stays visible in the rest; every pixel
// covered costs a software renderer time, so the panels are no bigger than their
// contents. Geometry only.
#pragma once

struct PanelRect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    bool contains(float px, float py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

struct EditorLayout {
    static constexpr float TRANSPORT_HEIGHT = 21.0f;
    static constexpr float STRIP_HEIGHT = 96.0f;
    static constexpr float COLUMN_WIDTH = 216.0f;
    static constexpr float SCRIPT_HEIGHT = 156.0f;
    static constexpr float FINDINGS_HEIGHT = 66.0f;
    static constexpr float FRAME_TIMES_HEIGHT = 80.0f;

    PanelRect transport;
    PanelRect timeline;
    PanelRect script;
    PanelRect findings;
    PanelRect frameTimes;

    // True where a panel covers the window.
    bool covers(float x, float y) const;
};

EditorLayout editorLayout(float width, float height);
