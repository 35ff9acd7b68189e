#pragma once

#include <string>

// Path helpers that the document commands and the recent-file list share.

// The absolute form of a path the user named. A path handed over in quotes ("a b.wav") is
// unwrapped: when the text begins with a double quote and names nothing on disk, that quote
// is dropped and the text is cut at the last remaining one. On Linux a double quote is an
// ordinary character of a file name, so any other text is taken as it stands. A relative path is taken from the current folder; "." and ".." are
// resolved by the text alone. When the last component is a symbolic link to something that
// exists, the result is the target's own path, the way a shortcut opens its target.
// An empty text stays empty.
std::string AfxFullPath(const std::string& path);

// Whether two paths name the same file by their text. Linux file names differ by letter case,
// so the comparison is exact.
bool AfxComparePath(const std::string& first, const std::string& second);

// The title a file is shown with: its file name, the text after the last '/'.
std::string AfxGetFileTitle(const std::string& path);

// The folder that holds a path: the text before the last '/', "/" for an entry of the root,
// empty when the path has no '/'.
std::string AfxGetFolder(const std::string& path);
