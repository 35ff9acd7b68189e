#include "LevelsCommand.h"

#include "CsvField.h"
#include "FileException.h"
#include "WaveAnalysis.h"

#include <array>
#include <charconv>
#include <cstring>

namespace {

// Shortest text that reads back as the same double; "-inf" for a silent band.
std::string LevelText(double level)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, level);
    return std::string(text, result.ptr);
}

void WriteRows(std::ostream& out, const std::string* fileColumn,
               const std::array<double, SPECTRUM_BANDS>& levels)
{
    std::string rows;
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b) {
        if (fileColumn != nullptr)
            rows += *fileColumn + ',';
        rows += std::to_string(b) + ',' + std::to_string(80 * b) + ',' + LevelText(levels[b]) + '\n';
    }
    out << rows;
}

}  // namespace

int RunLevelsCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err)
{
    const bool withFileColumn = files.size() > 1;
    bool headerWritten = false;
    int status = 0;
    for (const std::string& file : files) {
        std::array<double, SPECTRUM_BANDS> levels{};
        std::string why;
        try {
            const WaveAnalysisResult result = AnalyseWaveFile(file.c_str(), levels);
            if (!result.IsAccepted())
                why = result.Describe();
        } catch (const CFileException& e) {
            why = std::string("read error: ") + std::strerror(e.m_lOsError);
        }
        if (!why.empty()) {
            err << file << ": " << why << '\n';
            status = 1;
            continue;
        }
        if (!headerWritten) {
            out << (withFileColumn ? "file," : "") << "band,frequency_hz,level_db\n";
            headerWritten = true;
        }
        const std::string fileColumn = CsvField(file);
        WriteRows(out, withFileColumn ? &fileColumn : nullptr, levels);
    }
    out.flush();
    return status;
}
