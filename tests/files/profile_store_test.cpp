#include "files/profile_store.h"

#include "files/bounded_file_reader.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(ProfileStoreTest, ReadIntParsesAsPercentD)
{
    struct Case {
        const char* name;
        const char* line;  // nullptr: the key is missing
        int32_t expected;
    };
    const Case cases[] = {
        {"missing key", nullptr, 42},
        {"negative", "K=-3", -3},
        {"digits then letters", "K=12abc", 12},
        {"letters only", "K=abc", 42},
        {"empty value", "K=", 42},
        {"blank then sign", "K= -7", -7},
        {"plus sign", "K=+5", 5},
        {"sign without digits", "K=-", 42},
        {"blank between sign and digits", "K=- 7", 42},
        {"hexadecimal stops at x", "K=0x10", 0},
        {"quoted number", "K=\"9\"", 9},
        {"largest", "K=2147483647", 2147483647},
        {"smallest", "K=-2147483648", INT32_MIN},
        {"beyond 32 bits wraps", "K=4294967297", 1},
    };
    const std::string path = folder.Path("int.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, std::string("[S]\r\n") + (c.line ? c.line : "") + "\r\n");
        ProfileStore store(path);
        EXPECT_EQ(store.ReadInt("S", "K", 42), c.expected);
    }
}

TEST_F(ProfileStoreTest, UnsignedValuesTravelAsTheSameBits)
{
    struct Case {
        uint32_t value;
        const char* text;
    };
    const Case cases[] = {
        {0u, "0"},
        {2147483647u, "2147483647"},
        {2147483648u, "-2147483648"},
        {4294967295u, "-1"},
    };
    const std::string path = folder.Path("uint.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ProfileStore writer(path);
        writer.Clear();
        writer.WriteUInt("S", "K", c.value);
        ASSERT_TRUE(writer.Commit().ok);
        EXPECT_EQ(ReadBytes(path), std::string("[S]\r\nK=") + c.text + "\r\n");
        ProfileStore reader(path);
        EXPECT_EQ(reader.ReadUInt("S", "K", 7), c.value);
    }
}

TEST_F(ProfileStoreTest, ReadsFromAMissingFileGiveDefaultsAndCreateNothing)
{
    ProfileStore store(folder.Path("missing.ini"));
    EXPECT_EQ(store.ReadString("S", "K", "d"), "d");
    EXPECT_EQ(store.ReadInt("S", "K", -5), -5);
    EXPECT_EQ(store.ReadUInt("S", "K", 4294967295u), 4294967295u);
    EXPECT_TRUE(store.Commit().ok);
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(ProfileStoreTest, ReadsSeeEarlierWritesBeforeCommit)
{
    const std::string path = folder.Path("x.ini");
    WriteBytes(path, "[S]\r\nK=1\r\n");
    ProfileStore store(path);
    store.WriteInt("s", "k", 2);
    store.WriteString("T", "V", "text");
    EXPECT_EQ(store.ReadInt("S", "K", 0), 2);
    EXPECT_EQ(store.ReadString("t", "v", ""), "text");
    EXPECT_EQ(ReadBytes(path), "[S]\r\nK=1\r\n");  // nothing written yet
    ASSERT_TRUE(store.Commit().ok);
    EXPECT_EQ(ReadBytes(path), "[S]\r\nK=2\r\n[T]\r\nV=text\r\n");
}

TEST_F(ProfileStoreTest, ClearReplacesTheFileWhole)
{
    const std::string path = folder.Path("x.ini");
    WriteBytes(path, "[Other]\r\nX=1\r\n[S]\r\nK=1\r\nJ=2\r\n");
    ProfileStore store(path);
    store.Clear();
    store.WriteInt("S", "K", 3);
    ASSERT_TRUE(store.Commit().ok);
    EXPECT_EQ(ReadBytes(path), "[S]\r\nK=3\r\n");
}

// A file that is there but cannot be read whole must not be overwritten
// with only the keys this store wrote.
TEST_F(ProfileStoreTest, AFileTooLargeToReadIsNotOverwritten)
{
    const std::string path = folder.Path("big.ini");
    const std::string big = "[S]\r\n" + std::string(kMaxProfileFileBytes, 'x');
    WriteBytes(path, big);
    ProfileStore store(path);
    store.WriteString("S", "K", "v");
    const FileResult result = store.Commit();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "\"" + path + "\" is not a board file: it is larger than 1 MiB.");
    EXPECT_EQ(ReadBytes(path).size(), big.size());
}

}  // namespace
