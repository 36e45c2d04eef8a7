// The PostgreSQL server behind "Microsoft ODBC for Oracle": the one the
// environment names (TALLOWMERE_PG_*), or a throwaway one of the project's
// script, stopped again at the end; and a login with a schema of its own.
#pragma once

#include <string>
#include <vector>

namespace bench {

// Whether a server started here waits for the disk at each commit, as
// PostgreSQL does by default, or leaves that to the operating system.
enum class Commits { Fast, Durable };

class PostgresServer {
public:
    explicit PostgresServer(const std::string& sourceFolder, Commits commits = Commits::Fast);
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // The SID text of the Oracle side: host, then port and database.
    std::string sid() const;
    // The same through another port on loopback, such as a DelayRelay's.
    std::string sidThrough(int port) const;
    int port() const;
    void adminExec(const std::string& sql) const;
    // True when every commit waits for the disk: fsync and synchronous_commit
    // both on. The server the environment names may have either.
    bool commitsDurably() const;

private:
    std::string mScript;
    std::string mFolder;                // set when this object started the server
    std::vector<std::string> mExported; // the variables naming the server it started
};

class PostgresAccount {
public:
    explicit PostgresAccount(const PostgresServer& server);
    ~PostgresAccount();
    PostgresAccount(const PostgresAccount&) = delete;
    PostgresAccount& operator=(const PostgresAccount&) = delete;

    const std::string& user() const { return mUser; }
    const std::string& password() const { return mPassword; }

private:
    const PostgresServer& mServer;
    std::string mUser;
    std::string mPassword;
};

// The processes of the server the environment names that serve one login,
// stopped with SIGSTOP as a server that never answers; resume() lets them go on.
class StoppedBackends {
public:
    explicit StoppedBackends(const std::string& user);
    bool any() const { return !mPids.empty(); }
    void resume();

private:
    std::vector<int> mPids;
};

} // namespace bench
