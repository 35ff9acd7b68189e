#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One second of a few tones at 44100 frames per second, mono, 16-bit PCM: 440 Hz, 1 kHz,
// 3.5 kHz and 12 kHz at falling amplitudes, as a complete WAVE file.
std::vector<std::uint8_t> MakeDemoRecording();

// Writes the demo to a new file; an existing file is never replaced. False with the reason
// in why when the file cannot be written.
bool WriteDemoRecording(const std::string& path, std::string& why);
