#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {
namespace {

// The file actions of a spawn, freed with it.
class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&mActions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&mActions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &mActions; }

private:
    posix_spawn_file_actions_t mActions;
};

std::string readAll(int descriptor) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(descriptor, buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            text.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            break;
    }
    return text;
}

} // namespace

ChildResult runChild(const std::vector<std::string>& args, const ChildOptions& options) {
    int output[2];
    if (pipe(output) != 0)
        throw std::runtime_error("Cannot make a pipe.");
    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, options.standardInput.c_str(), O_RDONLY, 0);
    if (options.keepOutput)
        posix_spawn_file_actions_adddup2(actions.get(), output[1], 1);
    else
        posix_spawn_file_actions_addopen(actions.get(), 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(actions.get(), output[0]);
    posix_spawn_file_actions_addclose(actions.get(), output[1]);

    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    ChildResult result;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, argv[0], actions.get(), nullptr, argv.data(), environ);
    close(output[1]);
    if (failed != 0) {
        close(output[0]);
        throw std::runtime_error("Cannot start " + args.front() + ".");
    }
    result.output = readAll(output[0]);
    close(output[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return result;
}

ChildResult runChildOrThrow(const std::vector<std::string>& args, const ChildOptions& options) {
    ChildResult result = runChild(args, options);
    if (result.exitCode != 0)
        throw std::runtime_error("Failed (exit " + std::to_string(result.exitCode) +
                                 "): " + args.front() + " " + (args.size() > 2 ? args[2] : ""));
    return result;
}

std::string selfPath() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        throw std::runtime_error("Cannot find the benchmark program.");
    return std::string(path, static_cast<size_t>(length));
}

} // namespace bench
