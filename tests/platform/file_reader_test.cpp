#include "platform/file_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace murvane {
namespace {

using Origin = FileReader::Origin;
using testing::TempDir;

std::string AsString(const std::vector<unsigned char>& bytes) {
    return {bytes.begin(), bytes.end()};
}

class FileReaderTest : public ::testing::Test {
  protected:
    TempDir dir_;
    FileReader reader_;
};

TEST_F(FileReaderTest, ReadsMovesAndStopsAtTheEnd) {
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", "0123456789")));
    EXPECT_EQ(reader_.Size(), 10);
    EXPECT_EQ(AsString(reader_.Read(4)), "0123");
    EXPECT_TRUE(reader_.Seek(-2, Origin::Current));
    EXPECT_EQ(AsString(reader_.Read(100)), "23456789");
    EXPECT_TRUE(reader_.AtEnd());
    EXPECT_TRUE(reader_.Read(5).empty());
    EXPECT_TRUE(reader_.Seek(-3, Origin::End));
    EXPECT_EQ(AsString(reader_.Read(1)), "7");
    EXPECT_TRUE(reader_.Seek(1, Origin::Start));
    EXPECT_EQ(AsString(reader_.Read(2)), "12");
    EXPECT_TRUE(reader_.Read(0).empty());
    EXPECT_TRUE(reader_.Read(-4).empty());
    EXPECT_EQ(reader_.Position(), 3);
}

TEST_F(FileReaderTest, RefusesToMoveBeforeTheStart) {
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", "0123456789")));
    ASSERT_TRUE(reader_.Seek(2, Origin::Start));
    EXPECT_FALSE(reader_.Seek(-1, Origin::Start));
    EXPECT_FALSE(reader_.Seek(-3, Origin::Current));
    EXPECT_FALSE(reader_.Seek(-11, Origin::End));
    EXPECT_FALSE(reader_.Seek(-(1LL << 62), Origin::Current));
    EXPECT_EQ(reader_.Position(), 2);
    EXPECT_EQ(AsString(reader_.Read(1)), "2");
}

TEST_F(FileReaderTest, MayMovePastTheEndWhereReadsGiveNothing) {
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", "0123456789")));
    EXPECT_TRUE(reader_.Seek(1LL << 40, Origin::Start));
    EXPECT_EQ(reader_.Remaining(), 0);
    EXPECT_TRUE(reader_.Read(4).empty());
    // A move whose target cannot be represented is refused too.
    ASSERT_TRUE(reader_.Seek(1LL << 62, Origin::Start));
    EXPECT_FALSE(reader_.Seek(1LL << 62, Origin::Current));
    EXPECT_EQ(reader_.Position(), 1LL << 62);
}

TEST_F(FileReaderTest, ReservesNoMoreThanTheBytesLeft) {
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", "0123456789")));
    ASSERT_TRUE(reader_.Seek(6, Origin::Start));
    const std::vector<unsigned char> bytes = reader_.Read(0x7FFFFFFF);
    EXPECT_EQ(AsString(bytes), "6789");
    EXPECT_LE(bytes.capacity(), 4u);
}

TEST_F(FileReaderTest, GivesTheSameBytesWhateverTheSizeOfTheReads) {
    std::string content;
    for (int i = 0; i < 70000; ++i) content.push_back(static_cast<char>(i * 7 + i / 256));
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", content)));
    // Small reads go through the buffer, large ones around it; mix them with moves back.
    const long long steps[] = {1, 7, 16383, 2, 20000, 3, 16384, 40000};
    std::string seen;
    for (const long long step : steps) {
        seen += AsString(reader_.Read(step));
        ASSERT_EQ(seen, content.substr(0, seen.size()));
    }
    ASSERT_TRUE(reader_.Seek(16380, Origin::Start));
    EXPECT_EQ(AsString(reader_.Read(10)), content.substr(16380, 10));
    ASSERT_TRUE(reader_.Seek(-5, Origin::Current));
    EXPECT_EQ(AsString(reader_.Read(3)), content.substr(16385, 3));
}

TEST_F(FileReaderTest, CopesWithAFileThatShrinksWhileOpen) {
    const Text path = dir_.Write("f.bin", std::string(50000, 'x'));
    ASSERT_TRUE(reader_.Open(path));
    std::filesystem::resize_file(path, 3);
    EXPECT_EQ(reader_.Read(100000).size(), 3u);
    EXPECT_TRUE(reader_.Read(10).empty());
}

TEST_F(FileReaderTest, OpensOnlyRegularFiles) {
    const Text fifo = dir_.Path("song.mp3").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without O_NONBLOCK this open would wait for a writer forever.
    EXPECT_FALSE(reader_.Open(fifo));
    EXPECT_FALSE(reader_.Open(dir_.MakeDir("folder.mp3")));
    EXPECT_FALSE(reader_.Open(dir_.Path("missing.mp3").string()));
    EXPECT_FALSE(reader_.Open(""));
    const Text real = dir_.Write("a.mp3", "abc");
    EXPECT_FALSE(reader_.Open(real + std::string(1, '\0') + "tail"));
    EXPECT_TRUE(reader_.Open(real));
}

TEST_F(FileReaderTest, AnEmptyFileOpensAndReadsNothing) {
    ASSERT_TRUE(reader_.Open(dir_.Write("empty.mp3")));
    EXPECT_EQ(reader_.Size(), 0);
    EXPECT_TRUE(reader_.AtEnd());
    EXPECT_TRUE(reader_.Read(128).empty());
}

TEST_F(FileReaderTest, NothingWorksOnceClosed) {
    ASSERT_TRUE(reader_.Open(dir_.Write("f.bin", "0123")));
    reader_.Close();
    EXPECT_FALSE(reader_.IsOpen());
    EXPECT_TRUE(reader_.Read(4).empty());
    EXPECT_FALSE(reader_.Seek(0, Origin::Start));
}

}  // namespace
}  // namespace murvane
