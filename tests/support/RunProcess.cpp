#include "RunProcess.h"

#include "TempDir.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvelan::test {

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& stdoutPath) {
    TempDir dir;
    const std::string outPath = stdoutPath.empty() ? dir.file("stdout") : stdoutPath;
    const std::string errPath = dir.file("stderr");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> args;
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv.front());
    }
    int status = 0;
    waitpid(pid, &status, 0);

    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = stdoutPath.empty() ? dir.read("stdout") : std::string();
    result.err = dir.read("stderr");
    return result;
}

} // namespace orvelan::test
