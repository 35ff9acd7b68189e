#pragma once

#include <ostream>
#include <string>
#include <vector>

// `tarvelin-cli levels FILE...`: the levels of each file as CSV on out, one line on err
// for each file that is refused. Returns the exit status: 0, or 1 when any file was refused.
int RunLevelsCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);
