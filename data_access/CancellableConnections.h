// The connections an operation has open, reachable from another thread so
// that stopping the operation can cancel what each one runs. It outlives the
// operation's connections: a cancel in progress holds them, and a connection
// that closes meanwhile waits for it.
#pragma once

#include "Connection.h"

#include <mutex>
#include <set>

namespace tallowmere {

class CancellableConnections : public ConnectionFactory {
public:
    explicit CancellableConnections(ConnectionFactory& connections)
        : mConnections(connections) {}
    std::unique_ptr<Connection> create() override;
    // From any thread: each open connection's running call is asked to stop,
    // and so is every call made after this, on these connections or new ones.
    void cancelAll();

private:
    friend class CancellableConnection;
    ConnectionFactory& mConnections;
    std::mutex mLock;
    std::set<Connection*> mOpen;
    bool mCancelled = false;
};

} // namespace tallowmere
