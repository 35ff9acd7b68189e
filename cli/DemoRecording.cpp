#include "DemoRecording.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <numbers>
#include <unistd.h>

namespace {

constexpr std::uint32_t kRate = 44100;

struct Tone {
    double hz;
    double amplitude;
};
constexpr Tone kTones[] = {{440.0, 9000.0}, {1000.0, 6000.0}, {3500.0, 2500.0}, {12000.0, 800.0}};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFFu);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> MakeDemoRecording()
{
    const std::uint32_t dataBytes = kRate * 2;
    std::vector<std::uint8_t> file;
    PutTag(file, "RIFF");
    Put32(file, 4 + (8 + 16) + (8 + dataBytes));
    PutTag(file, "WAVE");
    PutTag(file, "fmt ");
    Put32(file, 16);
    Put16(file, 1);          // integer PCM
    Put16(file, 1);          // mono
    Put32(file, kRate);
    Put32(file, kRate * 2);  // bytes per second
    Put16(file, 2);          // bytes per frame
    Put16(file, 16);         // bits per sample
    PutTag(file, "data");
    Put32(file, dataBytes);
    for (std::uint32_t t = 0; t < kRate; ++t) {
        double value = 0.0;
        for (const Tone& tone : kTones)
            value += tone.amplitude * std::sin(2.0 * std::numbers::pi * tone.hz * t / kRate);
        Put16(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    }
    return file;
}

bool WriteDemoRecording(const std::string& path, std::string& why)
{
    const std::vector<std::uint8_t> bytes = MakeDemoRecording();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            why = std::strerror(errno);
            ::close(fd);
            ::unlink(path.c_str());
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    if (::close(fd) != 0) {
        why = std::strerror(errno);
        ::unlink(path.c_str());
        return false;
    }
    return true;
}
