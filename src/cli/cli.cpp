#include "cli/cli.h"

namespace murvane {

int UsageError(std::ostream& err, const std::string& problem) {
    err << "murvane-cli: " << problem
        << " (usage: murvane-cli tags [--picture] FILE... | murvane-cli scan DIR [--by LIST] "
           "[--kinds LIST])\n";
    return kCliUsageError;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return UsageError(err, "missing command");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "tags") return RunTagsCommand(rest, out, err);
    if (args[0] == "scan") return RunScanCommand(rest, out, err);
    return UsageError(err, "unknown command '" + args[0] + "'");
}

}  // namespace murvane
