#include "PrivatePostgres.h"

#include "Processes.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include <sys/prctl.h>

namespace tallowmere::faults {
namespace {

// The newest installed server's programs, as scripts/postgres-server picks them.
std::string serverPrograms() {
    std::error_code error;
    std::vector<std::pair<int, std::string>> found;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/lib/postgresql", error)) {
        const std::string version = entry.path().filename().string();
        const std::string bin = entry.path().string() + "/bin";
        if (std::filesystem::exists(bin + "/pg_ctl") && std::filesystem::exists(bin + "/initdb") &&
            version.find_first_not_of("0123456789") == std::string::npos)
            found.emplace_back(std::stoi(version), bin);
    }
    if (found.empty())
        return {};
    return std::max_element(found.begin(), found.end())->second;
}

std::string script() {
    return std::string(TALLOWMERE_SCRIPTS_DIR) + "/postgres-server";
}

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

void PrivatePostgres::pause() {
    const pid_t postmaster = postmasterPid();
    kill(postmaster, SIGSTOP); // first, so it starts no backend meanwhile
    for (pid_t backend : childrenOf(postmaster))
        kill(backend, SIGSTOP);
}

void PrivatePostgres::resume() {
    const pid_t postmaster = postmasterPid();
    for (pid_t backend : childrenOf(postmaster))
        kill(backend, SIGCONT);
    kill(postmaster, SIGCONT);
}

const char* stopName(PrivatePostgres::Stop how) {
    return how == PrivatePostgres::Stop::Immediate ? "Immediate" : "Kill";
}

PrivatePostgres& PrivatePostgres::instance() {
    static PrivatePostgres* server = [] {
        auto* created = new PrivatePostgres();
        std::atexit([] { instance().remove(); });
        return created;
    }();
    return *server;
}

PrivatePostgres::PrivatePostgres()
    : mBin(serverPrograms()) {
    try {
        create();
    } catch (const std::exception& error) {
        mWhyNot = error.what();
    }
}

std::vector<std::string> PrivatePostgres::asOwner(std::vector<std::string> argv) const {
    // The server refuses to run as root; the script runs it as postgres then.
    if (geteuid() == 0)
        argv.insert(argv.begin(), {"runuser", "-u", "postgres", "--"});
    return argv;
}

void PrivatePostgres::create() {
    if (mBin.empty())
        throw std::runtime_error("no PostgreSQL server programs under /usr/lib/postgresql");
    // The postmaster outlives pg_ctl: as the nearest subreaper this process
    // adopts it, so a hard stop can wait for its end and reap it.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    // Two servers starting at once may pick the same free port; the one that
    // loses tries again in a new folder.
    CommandResult started;
    for (int attempt = 0; attempt < 3 && !started.succeeded(); ++attempt) {
        if (!mFolder.empty())
            runCommand({"bash", script(), "stop", mFolder});
        char folder[] = "/tmp/tallowmere-pg.XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("cannot create a temporary folder");
        mFolder = folder;
        started = runCommand({"bash", script(), "start", mFolder});
    }
    if (!started.succeeded())
        throw std::runtime_error("scripts/postgres-server start failed");
    // Lines "export NAME=VALUE NAME=VALUE".
    std::istringstream lines(started.output);
    std::string word;
    while (lines >> word) {
        const auto equals = word.find('=');
        if (equals != std::string::npos)
            setenv(word.substr(0, equals).c_str(), word.substr(equals + 1).c_str(), 1);
    }
    mPort = env("TALLOWMERE_PG_PORT");
    if (mPort.empty())
        throw std::runtime_error("scripts/postgres-server printed no port");
    // Reached through its socket in the private folder: while it is down,
    // another server may take its TCP port, but never this socket.
    setenv("TALLOWMERE_PG_HOST", mFolder.c_str(), 1);
    mRunning = true;
}

int PrivatePostgres::postmasterPid() const {
    std::ifstream in(mFolder + "/data/postmaster.pid");
    int pid = 0;
    in >> pid;
    return pid;
}

void PrivatePostgres::stop(Stop how) {
    if (!mRunning)
        return;
    const pid_t postmaster = postmasterPid();
    if (postmaster <= 0)
        throw std::runtime_error("the private server has no postmaster.pid");
    std::vector<pid_t> backends;
    if (how == Stop::Immediate) {
        runCommand(
            asOwner({mBin + "/pg_ctl", "-D", mFolder + "/data", "-m", "immediate", "-w", "stop"}),
            mFolder);
    } else {
        // Stopped first, so it starts no new backend between listing and killing.
        kill(postmaster, SIGSTOP);
        backends = childrenOf(postmaster);
        for (pid_t backend : backends)
            kill(backend, SIGKILL);
        kill(postmaster, SIGKILL);
    }
    mRunning = false;
    bool gone = waitUntilGone(postmaster);
    for (pid_t backend : backends)
        gone = waitUntilGone(backend) && gone;
    if (!gone)
        throw std::runtime_error("the private server did not go away");
    // A postmaster left a zombie (no reaper adopted it) still answers
    // kill(pid, 0), and the server would take its lock files for a live one.
    std::filesystem::remove(mFolder + "/data/postmaster.pid");
    std::filesystem::remove(mFolder + "/.s.PGSQL." + mPort + ".lock");
}

void PrivatePostgres::start() {
    if (mRunning)
        return;
    const CommandResult started =
        runCommand(asOwner({mBin + "/pg_ctl", "-D", mFolder + "/data", "-l",
                            mFolder + "/server.log", "-w", "-t", "60", "-o",
                            "-c listen_addresses= -p " + mPort + " -k '" + mFolder +
                                "' -c fsync=off -c max_connections=200",
                            "start"}),
                   mFolder);
    if (!started.succeeded())
        throw std::runtime_error("the private server did not start again; see " + mFolder +
                                 "/server.log");
    mRunning = true;
}

void PrivatePostgres::ensureRunning() {
    if (!mFolder.empty() && !mRunning)
        start();
}

void PrivatePostgres::remove() {
    if (mFolder.empty())
        return;
    const pid_t postmaster = mRunning ? postmasterPid() : 0;
    runCommand({"bash", script(), "stop", mFolder});
    if (postmaster > 0)
        waitUntilGone(postmaster);
    mFolder.clear();
    mRunning = false;
}

} // namespace tallowmere::faults
