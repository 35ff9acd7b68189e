#include "DemoRecording.h"
#include "LevelsCommand.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tarvelin-cli levels FILE.wav...   print the 500 band levels as CSV\n"
    "       tarvelin-cli demo NEW.wav         write a demo recording of a few tones\n"
    "       tarvelin-cli --help | --version\n";

int UsageError(const std::string& what)
{
    std::cerr << "tarvelin-cli: " << what << '\n' << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return UsageError("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << "Tarvelin: the frequency spectrum of the start of a 16-bit PCM WAVE file.\n\n"
                  << kUsage
                  << "\nlevels prints `band,frequency_hz,level_db` rows (a first `file` column when\n"
                     "several files are given); exit status 1 when a file is refused, 2 on usage errors.\n";
        return 0;
    }
    if (command == "--version") {
        std::cout << "tarvelin-cli 1.0.0.1\n";
        return 0;
    }
    if (command == "levels") {
        if (args.size() < 2)
            return UsageError("levels needs at least one file");
        return RunLevelsCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
    }
    if (command == "demo") {
        if (args.size() != 2)
            return UsageError("demo needs exactly one file name");
        std::string why;
        if (!WriteDemoRecording(args[1], why)) {
            std::cerr << args[1] << ": cannot write the demo: " << why << '\n';
            return 1;
        }
        return 0;
    }
    return UsageError("unknown command '" + command + "'");
}
