#include "Postgres.h"

#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace bench {
namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Takes the "export NAME=VALUE ..." lines the script prints; the names.
std::vector<std::string> exportAll(const std::string& lines) {
    std::vector<std::string> names;
    std::istringstream words(lines);
    for (std::string word; words >> word;) {
        const size_t equals = word.find('=');
        if (word != "export" && equals != std::string::npos) {
            names.push_back(word.substr(0, equals));
            setenv(names.back().c_str(), word.substr(equals + 1).c_str(), 1);
        }
    }
    return names;
}

ChildResult runPsql(const std::string& sql, const ChildOptions& options,
                    std::initializer_list<std::string> extra) {
    setenv("PGPASSWORD", env("TALLOWMERE_PG_PASSWORD").c_str(), 1);
    setenv("PGOPTIONS", "-c client_min_messages=warning", 1);
    std::vector<std::string> args{"psql",
                                  "-h",
                                  env("TALLOWMERE_PG_HOST"),
                                  "-p",
                                  env("TALLOWMERE_PG_PORT"),
                                  "-U",
                                  env("TALLOWMERE_PG_ADMIN"),
                                  "-d",
                                  env("TALLOWMERE_PG_DATABASE"),
                                  "-q",
                                  "-v",
                                  "ON_ERROR_STOP=1",
                                  "-c",
                                  sql};
    args.insert(args.end(), extra);
    return runChildOrThrow(args, options);
}

} // namespace

PostgresServer::PostgresServer(const std::string& sourceFolder, Commits commits)
    : mScript(sourceFolder + "/scripts/postgres-server") {
    if (!env("TALLOWMERE_PG_PORT").empty())
        return;
    std::string pattern = "/tmp/tallowmere-pg.XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("Cannot create a folder for the PostgreSQL server.");
    mFolder = pattern;
    std::vector<std::string> start{"bash", mScript, "start", mFolder};
    if (commits == Commits::Durable)
        start.push_back("durable");
    const ChildResult started = runChild(start);
    if (started.exitCode != 0) {
        runChild({"bash", mScript, "stop", mFolder});
        throw std::runtime_error("The PostgreSQL server did not start.");
    }
    mExported = exportAll(started.output);
}

PostgresServer::~PostgresServer() {
    if (!mFolder.empty())
        runChild({"bash", mScript, "stop", mFolder});
    // A server started after this one must not take these for one the environment names.
    for (const std::string& name : mExported)
        unsetenv(name.c_str());
}

std::string PostgresServer::sid() const {
    return sidThrough(port());
}

std::string PostgresServer::sidThrough(int port) const {
    return env("TALLOWMERE_PG_HOST") + ";Port=" + std::to_string(port) +
           ";Database=" + env("TALLOWMERE_PG_DATABASE");
}

int PostgresServer::port() const {
    return std::stoi(env("TALLOWMERE_PG_PORT"));
}

void PostgresServer::adminExec(const std::string& sql) const {
    runPsql(sql, {"/dev/null", false}, {});
}

bool PostgresServer::commitsDurably() const {
    return runPsql("SELECT current_setting('fsync') = 'on' AND "
                   "current_setting('synchronous_commit') = 'on'",
                   {}, {"-At"})
               .output == "t\n";
}

StoppedBackends::StoppedBackends(const std::string& user) {
    std::istringstream pids(
        runPsql("SELECT pid FROM pg_stat_activity WHERE usename = '" + user + "'", {}, {"-At"})
            .output);
    for (int pid = 0; pids >> pid;) {
        if (kill(pid, SIGSTOP) == 0)
            mPids.push_back(pid);
    }
}

void StoppedBackends::resume() {
    for (int pid : mPids)
        kill(pid, SIGCONT);
    mPids.clear();
}

PostgresAccount::PostgresAccount(const PostgresServer& server)
    : mServer(server)
    , mUser("bench_" + std::to_string(getpid()))
    , mPassword("bench-" + std::to_string(getpid())) {
    mServer.adminExec("CREATE ROLE " + mUser + " LOGIN PASSWORD '" + mPassword + "'");
    mServer.adminExec("CREATE SCHEMA " + mUser + " AUTHORIZATION " + mUser);
}

PostgresAccount::~PostgresAccount() {
    try {
        mServer.adminExec("DROP SCHEMA " + mUser + " CASCADE");
        mServer.adminExec("DROP ROLE " + mUser);
    } catch (const std::exception&) {
        // the server goes with its throwaway cluster anyway
    }
}

} // namespace bench
