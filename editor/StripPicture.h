// The still part of the timeline strip, painted with cairo once per view: the
// grid, the song's waveform, the switch lanes, the pictures with their marks, the
// camera jumps and the findings' marks, as an opaque picture handed to the GL as a
// texture. Drawing thousands of thin rectangles every frame costs a software GL
// renderer milliseconds; one textured rectangle costs next to nothing. What moves
// (the play head, the loop) and the pattern numbers are drawn over it each frame.
#pragma once

#include <cstdint>

#include "editor/ShowNotes.h"
#include "editor/TimelineLanes.h"

class StripPicture {
public:
    StripPicture() = default;
    ~StripPicture();  // the GL context must still be current
    StripPicture(const StripPicture&) = delete;
    StripPicture& operator=(const StripPicture&) = delete;

    // The GL texture of `notes` over the plot's view and the rows, `height` pixels tall
    // from the rows' top, painted again only when one of them changed; 0 when there is
    // nothing to paint.
    uint32_t texture(const ShowNotes& notes, const StripPlot& plot, const StripRows& rows, float height);
    // New notes came (a reload): paint again even where they sit where the old ones did.
    void repaintNextTime() { notes_ = nullptr; }

private:
    uint32_t texture_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    TimelineView view_;
    const ShowNotes* notes_ = nullptr;
};

// Pattern lines are drawn every this many patterns so that lines (or numbers) stay
// at least `leastPixels` apart; a power of two.
int32_t patternStep(const StripPlot& plot, const Tempo& tempo, float leastPixels);
