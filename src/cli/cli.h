// murvane-cli: the core driven from a terminal through the headless form.
//   murvane-cli tags [--picture] FILE...
//   murvane-cli scan DIR [--by LIST] [--kinds LIST]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace murvane {

inline constexpr int kCliUsageError = 2;

// Runs one command line (without the program name); returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunTagsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Prints the one-line usage error and gives the status for it.
int UsageError(std::ostream& err, const std::string& problem);

}  // namespace murvane
