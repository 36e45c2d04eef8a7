// Other processes the fault tests start: commands whose output they read, and
// children they wait for, each with a generous deadline instead of forever.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tallowmere::faults {

struct CommandResult {
    int status = -1;    // as waitpid reports it
    std::string output; // what the command wrote to its standard output
    bool succeeded() const;
};

// Runs argv[0] (looked up on PATH) in the given folder, or in the current one.
CommandResult runCommand(const std::vector<std::string>& argv, const std::string& folder = {});

// Starts argv[0] by its path; standard input, output and error are shared.
pid_t spawn(const std::vector<std::string>& argv);

// A program started by its path, its standard output and error kept apart:
// the finished run's status and both texts. environment holds changes for the
// program only: "NAME=value" sets, "NAME" alone removes. Given standardOutput,
// an existing file such as /dev/full, the program writes there instead, and
// out stays empty.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
    int exitCode() const; // -1 unless it exited by itself
};
class RunningProgram {
public:
    RunningProgram(const std::vector<std::string>& argv,
                   const std::vector<std::string>& environment = {},
                   const std::string& standardOutput = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    pid_t pid() const { return mPid; }
    ProgramRun finish();

private:
    pid_t mPid = -1;
    std::string mOutFile;
    std::string mErrFile;
};
ProgramRun runProgram(const std::vector<std::string>& argv,
                      const std::vector<std::string>& environment = {},
                      const std::string& standardOutput = {});

// Waits for a child of this process; its waitpid status. A child still running
// after a minute is killed and the result is -1.
int waitForChild(pid_t pid);

// Waits until a process is gone (or a zombie nobody reaps); false after a minute.
bool waitUntilGone(pid_t pid);

// The processes whose parent is the given one.
std::vector<pid_t> childrenOf(pid_t parent);

} // namespace tallowmere::faults
