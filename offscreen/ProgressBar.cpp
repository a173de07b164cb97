// Progress text and its throttled redraw with a carriage return.
#include "offscreen/ProgressBar.h"

#include <algorithm>

namespace {

constexpr int BAR_WIDTH = 30;
constexpr auto REDRAW_EVERY = std::chrono::milliseconds(250);

std::string minutesAndSeconds(double seconds) {
    const int64_t whole = static_cast<int64_t>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(whole / 60),
                  static_cast<long long>(whole % 60));
    return text;
}

}  // namespace

std::string formatProgress(int64_t done, int64_t total, double seconds) {
    const double fraction = total > 0 ? std::clamp(static_cast<double>(done) / total, 0.0, 1.0) : 1.0;
    const int filled = static_cast<int>(fraction * BAR_WIDTH);
    const double rate = seconds > 0.0 ? static_cast<double>(done) / seconds : 0.0;
    const std::string left = rate > 0.0 ? minutesAndSeconds(static_cast<double>(total - done) / rate) : "?";
    char text[160];
    std::snprintf(text, sizeof text, "[%s%s] %lld/%lld frames %5.1f%% %6.1f fps %s left",
                  std::string(filled, '#').c_str(), std::string(BAR_WIDTH - filled, '.').c_str(),
                  static_cast<long long>(done), static_cast<long long>(total), fraction * 100.0, rate,
                  left.c_str());
    return text;
}

ProgressBar::ProgressBar(int64_t totalFrames, bool quietRun, FILE* stream)
    : total(totalFrames), quiet(quietRun), out(stream) {}

void ProgressBar::update(int64_t done) {
    if (quiet) return;
    const auto now = std::chrono::steady_clock::now();
    if (shown && now - lastShown < REDRAW_EVERY) return;
    lastShown = now;
    show(done);
}

void ProgressBar::finish(int64_t done) {
    if (quiet) return;
    show(done);
    std::fputc('\n', out);
}

void ProgressBar::show(int64_t done) {
    shown = true;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::fprintf(out, "\r%s", formatProgress(done, total, seconds).c_str());
    std::fflush(out);
}
