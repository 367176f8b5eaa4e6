#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;

// How long a prompt may take to appear before it counts as held back.
constexpr std::chrono::seconds patience{5};

struct Session {
    const char* name;
    const char* program;
    std::string prompt;
    std::string typed;
    std::string answer;
};

void PrintTo(const Session& session, std::ostream* os)
{
    *os << session.name;
}

// Reads what the program writes to the terminal until `done` holds, the
// program has closed the terminal, or the deadline passes.
template <typename Done>
void read_screen(int master, std::string& screen, Clock::time_point deadline, Done done)
{
    while (!done() && Clock::now() < deadline) {
        pollfd ready{master, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (poll(&ready, 1, static_cast<int>(left.count()) + 1) <= 0) {
            continue;
        }
        char buffer[256];
        const ssize_t count = read(master, buffer, sizeof buffer);
        if (count <= 0) {
            return; // the program has ended and closed its side
        }
        screen.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string session_name(const testing::TestParamInfo<Session>& info)
{
    return info.param.name;
}

class Terminal : public testing::TestWithParam<Session> {};

// The program writes to a pseudo-terminal, as it would for a person, and
// reads from a pipe. The prompt must appear before anything is typed. Reading
// from the terminal itself would not show a missing flush: the C library
// flushes a terminal's output whenever it reads from a terminal.
TEST_P(Terminal, PromptAppearsBeforeAnythingIsTyped)
{
    const Session& session = GetParam();

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(0, grantpt(master));
    ASSERT_EQ(0, unlockpt(master));
    const int slave = open(ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(slave, 0);
    // Raw, so that the bytes arrive as written: no newline becomes "\r\n".
    termios mode{};
    ASSERT_EQ(0, tcgetattr(slave, &mode));
    cfmakeraw(&mode);
    ASSERT_EQ(0, tcsetattr(slave, TCSANOW, &mode));

    int keyboard[2] = {-1, -1};
    ASSERT_EQ(0, pipe(keyboard));

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setsid();
        dup2(keyboard[0], STDIN_FILENO);
        dup2(slave, STDOUT_FILENO);
        dup2(slave, STDERR_FILENO);
        close(keyboard[0]);
        close(keyboard[1]);
        close(slave);
        close(master);
        execl(session.program, session.program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(slave);
    close(keyboard[0]);

    std::string screen;
    read_screen(master, screen, Clock::now() + patience, [&] {
        return screen.size() >= session.prompt.size();
    });
    EXPECT_EQ(session.prompt, screen) << "the prompt did not appear before input";

    // A program that has already ended must fail the test, not kill it.
    std::signal(SIGPIPE, SIG_IGN);
    const ssize_t written = write(keyboard[1], session.typed.data(), session.typed.size());
    EXPECT_EQ(static_cast<ssize_t>(session.typed.size()), written);
    close(keyboard[1]);

    read_screen(master, screen, Clock::now() + patience, [] { return false; });
    close(master);

    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(session.prompt + session.answer, screen);
}

INSTANTIATE_TEST_SUITE_P(
    Prompts,
    Terminal,
    testing::Values(
        Session{"group_prompt",
                GROUP_PROMPT,
                "Hallo, was ist deine Tutoriumsnummer? ",
                "7\n",
                "Sie sind im Tutorium Nr. 7."},
        Session{"tax_sentence",
                TAX_SENTENCE,
                "Wie hoch ist ihr zu versteuernder Einkommen? \n",
                "30000\n",
                "Bei einem Bruttoeinkommen von 30000.00 € muss man 5275.00 € versteuern und "
                "somit bleibt vom Gehalt 24725.00 € übrig. \n"},
        Session{"tax_single",
                TAX_SINGLE,
                "Bitte geben sie ihr Bruttoeinkommen ein:\n",
                "10000\n",
                "Ihr Nettoeinkommen: 9877.000000€, Ihr Steuerbetrag: 123€, Ihr "
                "Bruttoeinkommen: 10000.000000€.\n "},
        Session{"tax_lines",
                TAX_LINES,
                "Bitte gebe Ihr Bruttoeinkommen ein:\n",
                "10000\n",
                "Brutto=10000.00\nSteuerbetrag=123\nNetto=9876.74\n"}),
    session_name);

} // namespace
