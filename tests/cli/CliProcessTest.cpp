#include "TempFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string out;
};

// Runs the real tool through the shell, standard error folded into the output.
Result RunCli(const std::string& arguments)
{
    const std::string command = std::string(TARVELIN_CLI) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    Result result{-1, ""};
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        result.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(CliProcessTest, ExitStatusesAndUsage)
{
    const struct {
        const char* arguments;
        int status;
        const char* starts;
    } cases[] = {
        {"--version", 0, "tarvelin-cli 1.0.0.1\n"},
        {"--help", 0, "Tarvelin: "},
        {"", 2, "tarvelin-cli: no command given\nusage: "},
        {"levels", 2, "tarvelin-cli: levels needs at least one file\nusage: "},
        {"frobnicate x.wav", 2, "tarvelin-cli: unknown command 'frobnicate'\nusage: "},
        {"levels /nonexistent/x.wav", 1, "/nonexistent/x.wav: cannot open: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_EQ(r.out.rfind(c.starts, 0), 0u) << c.arguments << ": " << r.out;
    }
}

TEST(CliProcessTest, DemoIsWrittenOnceAndNeverOverwritesAFile)
{
    TempDir dir;
    const std::string path = dir.Path() + "/demo.wav";
    EXPECT_EQ(RunCli("demo " + path).status, 0);
    const Result levels = RunCli("levels " + path);
    EXPECT_EQ(levels.status, 0);
    EXPECT_EQ(levels.out.rfind("band,frequency_hz,level_db\n0,0,", 0), 0u);

    const std::string precious = dir.Write("precious.wav", Bytes{1, 2, 3});
    const Result again = RunCli("demo " + precious);
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.out, precious + ": cannot write the demo: File exists\n");
}

}  // namespace
