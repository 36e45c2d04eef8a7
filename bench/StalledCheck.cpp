#include "StalledCheck.h"

#include "BenchWindow.h"
#include "ChildArgs.h"
#include "WindowClose.h"
#include "Workspace.h"

#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "ui/OperationThread.h"
#include "ui/WindowSide.h"

#include <QApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace bench {
namespace {

// How long the check waits for the silent server before the window is closed.
constexpr int kWaitBeforeCloseMs = 3000;

// Takes every connection on a loopback port of its own and never sends a
// byte. It lives until the process ends, as a server that never answers would.
class SilentListener {
public:
    SilentListener()
        : mSocket(socket(AF_INET, SOCK_STREAM, 0)) {
        if (mSocket < 0)
            throw std::runtime_error("No socket for the silent listener");
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (bind(mSocket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(mSocket, SOMAXCONN) != 0 ||
            getsockname(mSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("The silent listener could not listen on loopback");
        mPort = ntohs(address.sin_port);
        std::thread([socket = mSocket] {
            while (accept(socket, nullptr, nullptr) >= 0) {
                // kept open and unread: the client waits for an answer forever
            }
        }).detach();
    }
    int port() const { return mPort; }

private:
    int mSocket;
    int mPort = 0;
};

} // namespace

int runStalledCheckChild(int argc, char** argv) {
    useOffscreenUnlessTold();
    QApplication application(argc, argv);
    BenchWindow window;

    const SilentListener listener;
    const tallowmere::FixedConnectionFields fields(
        {"127.0.0.1;Port=" + std::to_string(listener.port()) + ";Database=bench", "bench", "bench",
         kDataSource});
    tallowmere::OdbcConnectionFactory odbc;
    tallowmere::OperationThread thread;
    WindowClose close(thread);
    close.after(kWaitBeforeCloseMs);

    const StatementLog log("/dev/null");
    EventWaitProbe probe(log);
    const Clock::time_point start = Clock::now();
    probe.start();
    const bool passed =
        tallowmere::CheckBesideTheWindow(thread, odbc, fields, tallowmere::CanConnectOracle);
    probe.stop();

    report("failed", passed ? 0 : 1);
    close.reportAndExit(start, probe);
}

} // namespace bench
