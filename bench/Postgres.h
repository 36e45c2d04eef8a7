// The PostgreSQL server behind "Microsoft ODBC for Oracle": the one the
// environment names (TALLOWMERE_PG_*), or a throwaway one of the project's
// script, stopped again at the end; and a login with a schema of its own.
#pragma once

#include <string>
#include <vector>

namespace bench {

class PostgresServer {
public:
    explicit PostgresServer(const std::string& sourceFolder);
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // The SID text of the Oracle side: host, then port and database.
    std::string sid() const;
    void adminExec(const std::string& sql) const;

private:
    std::string mScript;
    std::string mFolder; // set when this object started the server
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
