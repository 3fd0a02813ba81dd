#include <map>
#include <optional>

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "cli/cli.h"
#include "cli/json_writer.h"
#include "ui/headless/headless_form.h"

namespace murvane {
namespace {

using enum Control;

const std::map<std::string, Control> kCriteria = {
    {"title", 选择框_歌曲名}, {"artist", 选择框_艺术家}, {"name", 选择框_文件名},
    {"size", 选择框_大小},    {"md5", 选择框_MD5},
};
const std::map<std::string, Control> kKinds = {{"mp3", 选择框_MP3}, {"wma", 选择框_WMA}};

struct ScanRequest {
    Text directory;
    std::vector<Control> ticked;
};

// Turns a comma list into the boxes it ticks; none when a word is unknown.
std::optional<std::vector<Control>> BoxesOf(const std::string& list,
                                            const std::map<std::string, Control>& words,
                                            bool noneAllowed) {
    std::vector<Control> boxes;
    if (noneAllowed && list == "none") return boxes;
    for (const Text& word : SplitAtChar(list, ',')) {
        const auto found = words.find(word);
        if (found == words.end()) return std::nullopt;
        boxes.push_back(found->second);
    }
    if (boxes.empty()) return std::nullopt;
    return boxes;
}

void WriteRows(std::ostream& out, const Form& form) {
    out << "{\"rows\": [";
    for (int row = 0; row < form.RowCount(超级列表框_主); ++row) {
        out << (row ? ", [" : "[");
        for (int column = 0; column < kListColumns; ++column) {
            if (column) out << ", ";
            WriteJsonText(out, form.Cell(超级列表框_主, row, column));
        }
        out << ']';
    }
    out << "],\n";
}

void WriteGroups(std::ostream& out, const GroupTable& groups) {
    out << " \"groups\": [";
    for (int position = 1; position <= groups.Count(); ++position) {
        const DuplicateGroup& group = groups.At(position);
        out << (position > 1 ? ",\n  {\"paths\": [" : "\n  {\"paths\": [");
        for (std::size_t i = 0; i < group.paths.size(); ++i) {
            if (i) out << ", ";
            WriteJsonText(out, group.paths[i]);
        }
        out << "], \"title\": ";
        WriteJsonText(out, group.title);
        out << ", \"artist\": ";
        WriteJsonText(out, group.artist);
        out << '}';
    }
    out << "],\n";
}

// Prints the scan's results; false when the window would have shown a message (a refused
// directory).
bool RunScan(const ScanRequest& request, std::ostream& out, std::ostream& err) {
    AppState state;
    HeadlessForm form;
    EventBindings bindings(state, form);
    form.RaiseCreated();
    for (const ControlSpec& entry : ControlTable()) {
        if (entry.parent == 分组框1 || entry.id == 选择框_MP3 || entry.id == 选择框_WMA) {
            form.SetTick(entry.id, 0);
        }
    }
    for (Control box : request.ticked) form.SetTick(box, 1);
    form.TypeText(编辑框1, request.directory);
    form.Click(按钮2);

    for (const ShownMessage& message : form.Messages()) err << message.text << '\n';
    WriteRows(out, form);
    WriteGroups(out, state.match.groupTable);
    out << " \"FilesSeenCount\": " << state.match.FilesSeenCount
        << ", \"DuplicateCount\": " << state.match.DuplicateCount << "}\n";
    return form.Messages().empty();
}

}  // namespace

int RunScanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<Text> directory;
    std::vector<Control> criteria{选择框_歌曲名};
    std::vector<Control> kinds{选择框_MP3};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--by" || arg == "--kinds") {
            if (i + 1 == args.size()) return UsageError(err, arg + " needs a LIST");
            const bool by = arg == "--by";
            auto boxes = BoxesOf(args[++i], by ? kCriteria : kKinds, by);
            if (!boxes) return UsageError(err, "bad " + arg + " list '" + args[i] + "'");
            (by ? criteria : kinds) = *boxes;
        } else if (arg.starts_with("--")) {
            return UsageError(err, "unknown option '" + arg + "'");
        } else if (directory) {
            return UsageError(err, "scan takes one DIR");
        } else {
            directory = arg;
        }
    }
    if (!directory) return UsageError(err, "scan needs a DIR");

    std::vector<Control> ticked = criteria;
    ticked.insert(ticked.end(), kinds.begin(), kinds.end());
    return RunScan({*directory, ticked}, out, err) ? 0 : 1;
}

}  // namespace murvane
