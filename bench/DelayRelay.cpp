#include "DelayRelay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace bench {
namespace {

constexpr int kBacklog = 16;

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error("Delay relay: " + what + ": " + std::strerror(errno));
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Every small message goes at once, as PostgreSQL's own sockets send them.
void prepareSocket(int socket) {
    const int on = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    fcntl(socket, F_SETFL, fcntl(socket, F_GETFL) | O_NONBLOCK);
}

// A connection to the target, or -1 when it refuses.
int connectTo(int port) {
    const int server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    if (server < 0)
        return -1;
    if (connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(server);
        return -1;
    }
    prepareSocket(server);
    return server;
}

timespec until(DelayLine::Clock::time_point due) {
    const auto left = std::max(due - DelayLine::Clock::now(), DelayLine::Clock::duration::zero());
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return {static_cast<time_t>(nanoseconds / 1000000000),
            static_cast<long>(nanoseconds % 1000000000)};
}

} // namespace

DelayRelay::Link::Link(int client, int server, DelayLine::Clock::duration hold)
    : client(client)
    , server(server)
    , up(client, server, hold)
    , down(server, client, hold) {}

DelayRelay::Link::~Link() {
    close(client);
    close(server);
}

DelayRelay::DelayRelay(int targetPort, std::chrono::microseconds hold)
    : mTargetPort(targetPort)
    , mHold(hold) {
    if (pipe2(mWake, O_CLOEXEC | O_NONBLOCK) != 0)
        fail("pipe");
    mListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (mListener < 0 || bind(mListener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(mListener, kBacklog) != 0 ||
        getsockname(mListener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        close(mListener);
        close(mWake[0]);
        close(mWake[1]);
        errno = error;
        fail("listening on loopback");
    }
    mPort = ntohs(address.sin_port);
    mThread = std::thread([this] { run(); });
}

DelayRelay::~DelayRelay() {
    // The pipe is empty until now, so the byte always fits.
    const char stop = 1;
    while (write(mWake[1], &stop, 1) < 0 && errno == EINTR) {
    }
    mThread.join();
    mLinks.clear();
    close(mListener);
    close(mWake[0]);
    close(mWake[1]);
}

void DelayRelay::run() {
    // Wakes for a due chunk at its time, not up to the default 50 µs later.
    prctl(PR_SET_TIMERSLACK, 1UL);
    while (wait()) {
        acceptOne();
        relay();
    }
}

bool DelayRelay::wait() {
    std::vector<pollfd> sockets{{mWake[0], POLLIN, 0}, {mListener, POLLIN, 0}};
    const auto now = DelayLine::Clock::now();
    auto due = DelayLine::Clock::time_point::max();
    for (const auto& link : mLinks) {
        for (const DelayLine* line : {&link->up, &link->down}) {
            if (line->wantsRead())
                sockets.push_back({line->from(), POLLIN, 0});
            if (line->hasDue(now))
                sockets.push_back({line->to(), POLLOUT, 0});
            else
                due = std::min(due, line->nextDue());
        }
    }
    const timespec timeout = until(due);
    const bool forever = due == DelayLine::Clock::time_point::max();
    if (ppoll(sockets.data(), sockets.size(), forever ? nullptr : &timeout, nullptr) < 0 &&
        errno != EINTR)
        return false;
    return sockets[0].revents == 0;
}

void DelayRelay::acceptOne() {
    const int client = accept4(mListener, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0)
        return;
    prepareSocket(client);
    const int server = connectTo(mTargetPort);
    if (server < 0) {
        close(client);
        return;
    }
    mLinks.push_back(std::make_unique<Link>(client, server, mHold));
}

void DelayRelay::relay() {
    const auto now = DelayLine::Clock::now();
    std::erase_if(mLinks, [now](const std::unique_ptr<Link>& link) {
        bool alive = true;
        for (DelayLine* line : {&link->up, &link->down}) {
            if (line->wantsRead())
                alive = line->read(now) && alive;
            alive = line->write(now) && alive;
        }
        return !alive || (link->up.finished() && link->down.finished());
    });
}

} // namespace bench
