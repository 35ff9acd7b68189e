#include "DemoRecording.h"
#include "LevelsCommand.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun Levels(const std::vector<std::string>& files)
{
    std::ostringstream out, err;
    const int status = RunLevelsCommand(files, out, err);
    return {status, out.str(), err.str()};
}

const Bytes kSilence = Pcm16Wave(1, std::vector<std::int16_t>(4460, 0));

TEST(LevelsCommandTest, OneFileGivesAHeaderAnd500Rows)
{
    TempDir dir;
    const std::string demo = dir.Write("demo.wav", MakeDemoRecording());
    const CommandRun run = Levels({demo});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 501u);
    EXPECT_EQ(lines[0], "band,frequency_hz,level_db");
    EXPECT_EQ(lines[1].rfind("0,0,", 0), 0u);
    EXPECT_EQ(lines[500].rfind("499,39920,", 0), 0u);
    // Shortest round-trip text: reading it back gives the same double.
    const std::string level = lines[14].substr(lines[14].rfind(',') + 1);
    EXPECT_EQ(std::to_string(std::stod(level)), std::to_string(std::strtod(level.c_str(), nullptr)));
    EXPECT_EQ(lines[14].rfind("13,1040,", 0), 0u);
}

TEST(LevelsCommandTest, SilenceIsMinusInf)
{
    TempDir dir;
    const CommandRun run = Levels({dir.Write("quiet.wav", kSilence)});
    EXPECT_EQ(Lines(run.out)[1], "0,0,-inf");
    EXPECT_EQ(Lines(run.out)[500], "499,39920,-inf");
}

TEST(LevelsCommandTest, SeveralFilesAddAFileColumnAndRefusalsGoToStandardError)
{
    TempDir dir;
    const std::string a = dir.Write("a.wav", kSilence);
    const std::string b = dir.Write("b,\"2\".wav", kSilence);
    const std::string fl = dir.Write("float.wav", RiffWave(Concat({Chunk("fmt ", FmtBody(3, 1, 32)), Chunk("data", Bytes(8, 0))})));
    const std::string nodata = dir.Write("nodata.wav", RiffWave(Chunk("fmt ", FmtBody(1, 1, 16))));
    const CommandRun run = Levels({a, fl, b, nodata});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, fl + ": not 16-bit integer PCM (format tag 3, 32 bits per sample)\n" + nodata +
                           ": no \"data\" chunk after the \"fmt \" chunk (the chunk walk reached offset 0x24, the file ends at 0x24)\n");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], "file,band,frequency_hz,level_db");
    EXPECT_EQ(lines[1], a + ",0,0,-inf");
    EXPECT_EQ(lines[501], "\"" + dir.Path() + "/b,\"\"2\"\".wav\",0,0,-inf");
}

TEST(LevelsCommandTest, ARefusedFileAloneWritesNothingToStandardOutput)
{
    TempDir dir;
    const CommandRun missing = Levels({dir.Path() + "/none.wav"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, dir.Path() + "/none.wav: cannot open: No such file or directory\n");

    const CommandRun folder = Levels({dir.Path()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.out, "");
    EXPECT_EQ(folder.err, dir.Path() + ": read error: Is a directory\n");
}

}  // namespace
