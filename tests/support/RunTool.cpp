#include "support/RunTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iterator>
#include <sstream>

#include "support/TempDir.h"

extern char** environ;

ToolRun runTool(const std::string& program, const std::vector<std::string>& arguments, const std::string& stdinText) {
    // The streams go to files rather than pipes: a tool that writes more than
    // a pipe holds to one stream while the test reads the other cannot block.
    TempDir dir;
    const std::string in = dir / "in", out = dir / "out", err = dir / "err";
    writeWholeFile(in, stdinText);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    ToolRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int raw = 0;
        if (waitpid(pid, &raw, 0) == pid && WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
    } else {
        run.err = "cannot start " + program;
    }
    posix_spawn_file_actions_destroy(&actions);
    run.out = readWholeFile(out);
    run.err += readWholeFile(err);
    return run;
}

std::string builtTool(const std::string& name) {
    const std::string base = CIRRONA_BINARY_DIR;
    if (name == "cirrona-diag") return base + "/tools/diag/cirrona-diag";
    if (name == "chartc") return base + "/tools/chartc/chartc";
    return base + "/tools/" + name + "/" + name;
}

std::vector<std::string> splitArguments(const std::string& line) {
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}
