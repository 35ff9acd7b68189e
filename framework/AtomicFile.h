#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>

// Writes bytes to a descriptor the way write(2) does; tests put a failing one in its place.
using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

// Replaces the file at path with text so that a crash or a full disk leaves either the old
// content or the new, never a torn file: the text goes to a temporary file in the same
// folder, is forced to the disk, and is renamed over the old file. False when any step
// fails; the temporary file is removed again then and the old file is untouched.
bool ReplaceFileAtomically(const std::string& path, const std::string& text,
                           const WriteFunction& writeBytes);

// The start of the names of the temporary files that replacing path leaves behind when the
// process dies half-way.
std::string AtomicTempPrefix(const std::string& path);
