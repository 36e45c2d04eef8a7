// A timer due every few milliseconds stands for a pending window event: how
// late it fires is how long such an event waited for the program to let it
// run.
#pragma once

#include "RecordingConnection.h"

#include <QObject>
#include <QTimer>

namespace bench {

class EventWaitProbe : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 2;

    explicit EventWaitProbe(const StatementLog& log);
    void start();
    void stop() { mTimer.stop(); }

    // The worst wait of all, and the worst one that did not overlap a call
    // without a yield inside (reading a catalogue).
    double worstWaitMs() const { return mWorst; }
    double worstWaitElsewhereMs() const { return mWorstElsewhere; }
    long fired() const { return mFired; }

private:
    void fire();

    const StatementLog& mLog;
    QTimer mTimer;
    Clock::time_point mLast;
    double mWorst = 0;
    double mWorstElsewhere = 0;
    long mFired = 0;
};

} // namespace bench
