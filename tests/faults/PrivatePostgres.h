// A PostgreSQL server of the test process's own, started with
// scripts/postgres-server, so a test may stop it hard without disturbing the
// shared test server other tests are using. Behind the driver name
// "Microsoft ODBC for Oracle" it is the Oracle side of OracleAccount and
// workingSettings, which read where it listens from the environment.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tallowmere::faults {

class PrivatePostgres {
public:
    enum class Stop {
        Immediate, // pg_ctl stop -m immediate: every server process quits at once
        Kill,      // SIGKILL for the postmaster and each backend
    };

    // Started on first use in a new temporary folder; removed at exit.
    static PrivatePostgres& instance();

    bool running() const { return mRunning; }
    // Why the server could not be started, when it could not.
    const std::string& whyNotStarted() const { return mWhyNot; }

    // Returns once no process of the server is left.
    void stop(Stop how);
    // Starts the stopped server again on the same cluster; returns once it
    // takes connections.
    void start();
    void ensureRunning();
    // Every server process stopped with SIGSTOP, as a server that never
    // answers; resume() lets them go on.
    void pause();
    void resume();

    PrivatePostgres(const PrivatePostgres&) = delete;
    PrivatePostgres& operator=(const PrivatePostgres&) = delete;

private:
    PrivatePostgres();
    void create();
    void remove();
    int postmasterPid() const;
    std::vector<std::string> asOwner(std::vector<std::string> argv) const;

    std::string mBin;
    std::string mFolder;
    std::string mPort;
    bool mRunning = false;
    std::string mWhyNot;
};

const char* stopName(PrivatePostgres::Stop how);

} // namespace tallowmere::faults

// Skips a test when no private server can be started here, except under CI,
// where it fails.
#define TALLOWMERE_REQUIRE_PRIVATE_POSTGRES()                                                      \
    do {                                                                                           \
        auto& server_ = ::tallowmere::faults::PrivatePostgres::instance();                         \
        if (!server_.running()) {                                                                  \
            if (std::getenv("CI"))                                                                 \
                FAIL() << "No private PostgreSQL server: " << server_.whyNotStarted();             \
            GTEST_SKIP() << "No private PostgreSQL server: " << server_.whyNotStarted();           \
        }                                                                                          \
        server_.ensureRunning();                                                                   \
    } while (false)
