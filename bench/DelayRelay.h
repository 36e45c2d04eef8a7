// A loopback TCP relay that holds every chunk it relays a fixed time each
// way, as a network between two machines would (this machine's kernel has no
// netem to do it). Put between the tool and the benchmark's PostgreSQL
// server: the tool connects to port() instead of the server's.
#pragma once

#include "DelayLine.h"

#include <memory>
#include <thread>
#include <vector>

namespace bench {

class DelayRelay {
public:
    // Listens on a free loopback port at once; every connection made to it is
    // relayed to targetPort on loopback, from a thread of its own.
    DelayRelay(int targetPort, std::chrono::microseconds hold);
    // Stops relaying and closes every connection.
    ~DelayRelay();
    DelayRelay(const DelayRelay&) = delete;
    DelayRelay& operator=(const DelayRelay&) = delete;

    int port() const { return mPort; }

private:
    // A relayed connection: the client's socket, the server's, both directions.
    struct Link {
        Link(int client, int server, DelayLine::Clock::duration hold);
        ~Link();
        int client;
        int server;
        DelayLine up;
        DelayLine down;
    };

    void run();
    void acceptOne();
    // Waits until a socket is ready, a chunk falls due or the relay stops;
    // false when it stops.
    bool wait();
    // Moves every connection on; drops those that ended or broke.
    void relay();

    int mTargetPort;
    DelayLine::Clock::duration mHold;
    int mListener = -1;
    int mWake[2] = {-1, -1};
    int mPort = 0;
    std::vector<std::unique_ptr<Link>> mLinks;
    std::thread mThread;
};

} // namespace bench
