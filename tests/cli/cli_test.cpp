#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/json_writer.h"
#include "support/temp_dir.h"

namespace murvane {
namespace {

using testing::TempDir;
using Args = std::vector<std::string>;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunArgs(const Args& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, BadUseIsOneLineAndStatusTwo) {
    const Args cases[] = {
        {},
        {"frobnicate"},
        {"tags"},
        {"tags", "--colour", "a.mp3"},
        {"scan"},
        {"scan", "/m", "--by"},
        {"scan", "/m", "--by", "title,colour"},
        {"scan", "/m", "--kinds", "none"},
        {"scan", "/m", "/n"},
        {"scan", "/m", "--fast"},
    };
    for (const Args& args : cases) {
        const CliRun run = RunArgs(args);
        EXPECT_EQ(run.status, kCliUsageError);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(Cli, TagsOfAnUnreadableFileIsAnEmptyRecord) {
    const CliRun run = RunArgs({"tags", "/no/such/file.mp3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "{\"path\": \"/no/such/file.mp3\", \"artist\": \"\", \"title\": \"\", \"album\": \"\", "
        "\"rights\": \"\", \"comment\": \"\", \"track\": \"\", \"encodedBy\": \"\", "
        "\"genre\": \"\", \"lyrics\": \"\", \"year\": \"\", \"url\": \"\", \"composer\": \"\", "
        "\"extra1\": \"\", \"spare1\": \"\", \"bitrate\": \"\", \"sampleRate\": \"\", "
        "\"channels\": \"\", \"spare2\": \"\", \"spare3\": \"\", \"duration\": \"\", "
        "\"picture\": {\"size\": 0}, \"extra2\": \"\"}\n");
}

TEST(Cli, ScanPrintsRowsGroupsAndCounts) {
    TempDir tree;
    tree.Write("a.mp3");
    tree.Write("sub/a.mp3");
    const CliRun run = RunArgs({"scan", tree.Path().string(), "--by", "name"});
    EXPECT_EQ(run.status, 0);
    const std::string dir = tree.Dir();
    EXPECT_EQ(run.out,
              "{\"rows\": [[\"1\", \"\", \"\", \"2\"]],\n"
              " \"groups\": [\n"
              "  {\"paths\": [\"\", \"" +
                  dir +
                  "sub/a.mp3\"], \"title\": \"\", "
                  "\"artist\": \"\"},\n"
                  "  {\"paths\": [\"" +
                  dir +
                  "a.mp3\"], \"title\": \"\", \"artist\": \"\"}],\n"
                  " \"FilesSeenCount\": 2, \"DuplicateCount\": 1}\n");
}

TEST(Cli, ScanOfARefusedDirectorySaysSo) {
    const CliRun run = RunArgs({"scan", "/"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "目录选择错误\n");
}

TEST(JsonWriter, WritesValidUtf8AsAStringAndAnythingElseAsHex) {
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"plain", "\"plain\""},
        {"q\"b\\\n\x01", "\"q\\\"b\\\\\\n\\u0001\""},
        {"\xE4\xB8\xAD", "\"\xE4\xB8\xAD\""},
        {"a\xFF", "{\"hex\": \"61ff\"}"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        WriteJsonText(out, c.text);
        EXPECT_EQ(out.str(), c.json);
    }
}

}  // namespace
}  // namespace murvane
