#include "ProgressLine.h"

namespace tallowmere::cli {
namespace {
constexpr const char* kEraseLine = "\r\033[K";
constexpr const char* kPlaceGap = "  |  ";
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
