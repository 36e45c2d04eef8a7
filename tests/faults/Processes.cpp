#include "Processes.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <unistd.h>

#include <sys/wait.h>

namespace tallowmere::faults {
namespace {

constexpr auto kDeadline = std::chrono::seconds(60);
constexpr auto kPollInterval = std::chrono::milliseconds(10);

std::vector<char*> argumentVector(const std::vector<std::string>& argv) {
    std::vector<char*> result;
    for (const std::string& argument : argv)
        result.push_back(const_cast<char*>(argument.c_str()));
    result.push_back(nullptr);
    return result;
}

// The state letter and parent of a process from /proc, or nothing when gone.
bool processStat(pid_t pid, char& state, pid_t& parent) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(in, text))
        return false;
    // The command name is in brackets and may hold blanks: read after the last ')'.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return false;
    std::istringstream rest(text.substr(close + 1));
    rest >> state >> parent;
    return bool(rest);
}

} // namespace

bool CommandResult::succeeded() const {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

CommandResult runCommand(const std::vector<std::string>& argv, const std::string& folder) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<char*> arguments = argumentVector(argv);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        closefrom(3); // a server started from here keeps none of the tests' files
        if (!folder.empty() && chdir(folder.c_str()) != 0)
            _exit(126);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    CommandResult result;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got > 0)
            result.output.append(buffer, static_cast<size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    result.status = waitForChild(pid);
    return result;
}

pid_t spawn(const std::vector<std::string>& argv) {
    std::vector<char*> arguments = argumentVector(argv);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        closefrom(3);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    return pid;
}

int ProgramRun::exitCode() const {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

RunningProgram::RunningProgram(const std::vector<std::string>& argv,
                               const std::vector<std::string>& environment,
                               const std::string& standardOutput) {
    char outName[] = "/tmp/tallowmere-out.XXXXXX";
    char errName[] = "/tmp/tallowmere-err.XXXXXX";
    // Only a temporary file is read back and removed, never the file given.
    const int out = standardOutput.empty() ? mkstemp(outName)
                                           : open(standardOutput.c_str(), O_WRONLY | O_CLOEXEC);
    const int err = mkstemp(errName);
    if (out < 0 || err < 0)
        throw std::runtime_error("no files for a program's output");
    if (standardOutput.empty())
        mOutFile = outName;
    mErrFile = errName;
    std::vector<char*> arguments = argumentVector(argv);
    mPid = fork();
    if (mPid < 0)
        throw std::runtime_error("fork failed");
    if (mPid == 0) {
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        closefrom(3);
        for (const std::string& change : environment) {
            const auto equals = change.find('=');
            if (equals == std::string::npos)
                unsetenv(change.c_str());
            else
                setenv(change.substr(0, equals).c_str(), change.substr(equals + 1).c_str(), 1);
        }
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    close(out);
    close(err);
}

RunningProgram::~RunningProgram() {
    if (mPid > 0) {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    if (!mOutFile.empty())
        unlink(mOutFile.c_str());
    unlink(mErrFile.c_str());
}

ProgramRun RunningProgram::finish() {
    ProgramRun run;
    run.status = waitForChild(mPid);
    mPid = -1;
    const auto text = [](const std::string& file) {
        if (file.empty())
            return std::string();
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    run.out = text(mOutFile);
    run.err = text(mErrFile);
    return run;
}

ProgramRun runProgram(const std::vector<std::string>& argv,
                      const std::vector<std::string>& environment,
                      const std::string& standardOutput) {
    return RunningProgram(argv, environment, standardOutput).finish();
}

int waitForChild(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return status;
        if (done < 0 && errno != EINTR)
            return -1;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

bool waitUntilGone(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    for (;;) {
        int status = 0;
        // Reaped here when this process adopted it; otherwise watched in /proc.
        if (waitpid(pid, &status, WNOHANG) == pid)
            return true;
        char state = 0;
        pid_t parent = 0;
        if (!processStat(pid, state, parent) || state == 'Z' || state == 'X')
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::vector<pid_t> childrenOf(pid_t parent) {
    std::vector<pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        char state = 0;
        pid_t itsParent = 0;
        if (processStat(pid, state, itsParent) && itsParent == parent)
            children.push_back(pid);
    }
    return children;
}

} // namespace tallowmere::faults
