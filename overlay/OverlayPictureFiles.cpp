// The overlay's usual pictures, by slot: a table of names only, so that what reads the
// show's pictures without drawing them (the check, the timeline) needs no GL.
#include <iterator>

#include "overlay/ImageOverlay.h"

namespace {

// Load order is the picture index that script events name. Pictures 9 and 10
// share one file, so they share one texture but keep separate state.
constexpr PictureLoad PICTURES[] = {
    {"data/noise.jpg", ""},       {"data/title1.jpg", ""},
    {"data/title2.jpg", ""},      {"data/title3.jpg", ""},
    {"data/title4.jpg", ""},      {"data/title5.jpg", ""},
    {"data/quorvindale.jpg", ""}, {"data/musta.jpg", "data/tekstit-alpha.jpg"},
    {"data/tekstit1.jpg", ""},    {"data/tekstit2.jpg", ""},
    {"data/tekstit2.jpg", ""},    {"data/tekstit3.jpg", ""},
    {"data/pastaa1.jpg", ""},     {"data/pastaa2.jpg", ""},
    {"data/pastaa3.jpg", ""},     {"data/pastaa4.jpg", ""},
    {"data/pastaa5.jpg", ""},     {"data/pastaa6.jpg", ""},
};

}  // namespace

std::vector<PictureLoad> ImageOverlay::pictureLoads() {
    return {std::begin(PICTURES), std::end(PICTURES)};
}
