// The one progress line on a terminal, shared by the tables copied at once:
// each has its place on it, and the lines said above it (a table done, what
// a copy changes) come out whole between its redraws, from any thread.
#pragma once

#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace tallowmere::cli {

class ProgressLine {
public:
    // redraw: whether a person watches, so the line is drawn at all.
    ProgressLine(std::FILE* terminal, bool redraw)
        : mTerminal(terminal)
        , mRedraw(redraw) {}
    bool redraws() const { return mRedraw; }
    // Shows a place's text on the line, the places in their order.
    void show(size_t place, const std::string& text);
    void clear(size_t place);
    // A line of its own above the progress line, whoever watches.
    void say(const std::string& line);
    // Writes elsewhere on the same terminal (standard output) with the line
    // out of the way, then draws it again.
    void aside(const std::function<void()>& write);

private:
    void draw();
    void erase();
    size_t width() const;

    std::FILE* mTerminal;
    bool mRedraw;
    std::mutex mLock;
    std::vector<std::string> mPlaces;
    bool mDrawn = false;
};

} // namespace tallowmere::cli
