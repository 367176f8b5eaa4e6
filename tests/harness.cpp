#include "harness.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string contents(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    return text;
}

} // namespace

Outcome run_program(const std::string& program,
                    const std::string& input,
                    const std::vector<std::string>& environment)
{
    // Files rather than pipes: the program may stop reading at any point, and
    // nothing it writes can fill a pipe that nobody is reading yet.
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Outcome run;
    if (in == nullptr || out == nullptr || err == nullptr) {
        ADD_FAILURE() << "cannot create temporary files: " << std::strerror(errno);
        return run;
    }
    std::fwrite(input.data(), 1, input.size(), in);
    std::fflush(in);
    std::rewind(in);

    // An added entry replaces the test's own of the same name: a program
    // would see only the first of two.
    std::vector<char*> envp;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view name(*entry, std::strcspn(*entry, "="));
        bool replaced = false;
        for (const std::string& added : environment) {
            replaced = replaced || (added.size() > name.size() && added[name.size()] == '=' &&
                                    added.compare(0, name.size(), name) == 0);
        }
        if (!replaced) {
            envp.push_back(*entry);
        }
    }
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(in), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(out), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);

    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program << ": " << std::strerror(spawned);
    } else {
        int wait_status = 0;
        if (waitpid(pid, &wait_status, 0) == pid && WIFEXITED(wait_status)) {
            run.status = WEXITSTATUS(wait_status);
        }
        run.out = contents(out);
        run.err = contents(err);
    }
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    return run;
}

std::string row_name(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name << " with input " << testing::PrintToString(row.input);
}

void expect_row(const std::string& program, const Row& row)
{
    const Outcome run = run_program(program, row.input);
    EXPECT_EQ(row.expected, run.out);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.err);
}
