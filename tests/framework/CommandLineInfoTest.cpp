#include "CommandLineInfo.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Args = std::vector<std::string>;

// The record in one line: the command, the texts that are set, and the flags.
std::string Summary(const CCommandLineInfo& info)
{
    static const char* const kCommands[] = {"FileNew", "FileOpen", "FilePrint", "FilePrintTo", "FileDDE", "AppUnregister"};
    std::string text = kCommands[info.m_nShellCommand];
    const std::pair<const char*, const std::string*> texts[] = {{"file", &info.m_strFileName},
                                                                 {"printer", &info.m_strPrinterName},
                                                                 {"driver", &info.m_strDriverName},
                                                                 {"port", &info.m_strPortName}};
    for (const auto& [name, value] : texts) {
        if (!value->empty())
            text += std::string(" ") + name + "=" + *value;
    }
    if (info.m_bRunEmbedded)
        text += " embedded";
    if (info.m_bRunAutomated)
        text += " automated";
    if (!info.m_bShowSplash)
        text += " nosplash";
    return text;
}

std::string Describe(const Args& args)
{
    std::string text;
    for (const std::string& arg : args)
        text += "[" + arg + "] ";
    return text;
}

TEST(CommandLineInfoTest, SwitchesAndParameters)
{
    const struct {
        Args args;
        std::string expected;
    } cases[] = {
        {{}, "FileNew"},
        {{"take.wav"}, "FileOpen file=take.wav"},
        {{"/home/me/take.wav"}, "FileOpen file=/home/me/take.wav"},
        {{"first.wav", "second.wav"}, "FileOpen file=first.wav"},
        {{"-p", "take.wav"}, "FilePrint file=take.wav"},
        {{"/p", "take.wav", "ignored"}, "FilePrint file=take.wav"},
        {{"-P", "take.wav"}, "FileOpen file=take.wav"},
        {{"/P"}, "FileOpen file=/P"},  // not a switch in capitals: a path
        {{"-p"}, "FilePrint"},
        {{"-pt", "take.wav", "printer", "driver", "port", "extra"},
         "FilePrintTo file=take.wav printer=printer driver=driver port=port"},
        {{"take.wav", "early", "-pt", "printer"}, "FilePrintTo file=take.wav printer=printer"},
        {{"-PT", "take.wav", "printer"}, "FileOpen file=take.wav"},
        {{"-ptx", "take.wav"}, "FileOpen file=take.wav"},
        {{"-dde"}, "FileDDE"},
        {{"-Dde"}, "FileNew"},
        {{"/DDE"}, "FileOpen file=/DDE"},
        {{"-Unregister"}, "AppUnregister"},
        {{"/UNREGISTER"}, "AppUnregister"},
        {{"-unregserver"}, "AppUnregister"},
        {{"/UnRegServer"}, "AppUnregister"},
        {{"-unreg"}, "FileNew"},
        {{"-Embedding"}, "FileNew embedded nosplash"},
        {{"/embedding", "take.wav"}, "FileOpen file=take.wav embedded nosplash"},
        {{"-AUTOMATION"}, "FileNew automated nosplash"},
        {{"-Unregister", "-Embedding"}, "AppUnregister embedded nosplash"},
        // A later command switch overrides an earlier one.
        {{"-p", "-dde"}, "FileDDE"},
        {{"-dde", "-Unregister", "-p", "take.wav"}, "FilePrint file=take.wav"},
        {{"-", "-x", "/x", "take.wav"}, "FileOpen file=/x"},
    };
    for (const auto& c : cases) {
        CCommandLineInfo info;
        ParseCommandLineArgs(info, c.args);
        EXPECT_EQ(Summary(info), c.expected) << Describe(c.args);
    }
}

TEST(CommandLineInfoTest, OtherProgramsTakeControlWithDdeEmbeddingAndAutomation)
{
    const struct {
        Args args;
        bool userControl;
    } cases[] = {
        {{"take.wav"}, true}, {{"-p", "take.wav"}, true}, {{"-Unregister"}, true},
        {{"-dde"}, false},    {{"-Embedding"}, false},    {{"/automation", "-p"}, false},
    };
    for (const auto& c : cases) {
        CCommandLineInfo info;
        ParseCommandLineArgs(info, c.args);
        EXPECT_EQ(info.m_bUserCtrl, c.userControl) << Describe(c.args);
    }
}

}  // namespace
