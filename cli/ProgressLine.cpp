#include "ProgressLine.h"

#include <sys/ioctl.h>

#include <algorithm>

namespace tallowmere::cli {
namespace {
constexpr const char* kEraseLine = "\r\033[K";
constexpr const char* kPlaceGap = "  |  ";
// A line past the terminal's width would wrap, and erasing it then leaves
// its first part: it is cut a column short of the width, or of this.
constexpr size_t kUsualWidth = 80;
} // namespace

void ProgressLine::show(size_t place, const std::string& text) {
    const std::lock_guard lock(mLock);
    if (place >= mPlaces.size())
        mPlaces.resize(place + 1);
    mPlaces[place] = text;
    draw();
}

void ProgressLine::clear(size_t place) {
    const std::lock_guard lock(mLock);
    if (place < mPlaces.size())
        mPlaces[place].clear();
    draw();
}

void ProgressLine::say(const std::string& line) {
    const std::lock_guard lock(mLock);
    erase();
    std::fprintf(mTerminal, "%s\n", line.c_str());
    std::fflush(mTerminal);
    draw();
}

void ProgressLine::aside(const std::function<void()>& write) {
    const std::lock_guard lock(mLock);
    erase();
    try {
        write();
    } catch (...) {
        draw();
        throw;
    }
    draw();
}

size_t ProgressLine::width() const {
    winsize size{};
    if (ioctl(fileno(mTerminal), TIOCGWINSZ, &size) == 0 && size.ws_col > 1)
        return size.ws_col - 1u;
    return kUsualWidth - 1;
}

void ProgressLine::draw() {
    if (!mRedraw)
        return;
    std::string line;
    for (const std::string& text : mPlaces) {
        if (!text.empty())
            line += (line.empty() ? "" : kPlaceGap) + text;
    }
    if (line.empty()) {
        erase();
        return;
    }
    line.resize(std::min(line.size(), width()));
    std::fprintf(mTerminal, "%s%s", kEraseLine, line.c_str());
    std::fflush(mTerminal);
    mDrawn = true;
}

void ProgressLine::erase() {
    if (!mDrawn)
        return;
    std::fputs(kEraseLine, mTerminal);
    std::fflush(mTerminal);
    mDrawn = false;
}

} // namespace tallowmere::cli
