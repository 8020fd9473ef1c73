#include "files/profile_file.h"
#include "files/profile_store.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// '\n' in a case's text stands for the line end under test.
std::string WithLineEnds(const std::string& text, const std::string& end)
{
    std::string out;
    for (char ch : text)
        if (ch == '\n')
            out += end;
        else
            out += ch;
    return out;
}

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string fallback;
    std::string expected;
};

const std::string kLong200 = std::string(100, 'a') + std::string(100, 'b');
const std::string kFirst127 = kLong200.substr(0, 127);

const std::vector<ReadCase> kReadCases = {
    {"plain key", "[A]\nK=v\n", "A", "K", "d", "v"},
    {"section name in other case", "[general]\nMODE=1\n", "GENERAL", "MODE", "d", "1"},
    {"key name in other case", "[GENERAL]\nmode=1\n", "general", "MODE", "d", "1"},
    {"blanks around line, names and value", " \t[ A ] \t\n\t K \t=\t v  w \t\n", "A", "K", "d", "v  w"},
    {"double quotes removed", "[A]\nK=\" v \"\n", "A", "K", "d", " v "},
    {"single quotes removed", "[A]\nK='v'\n", "A", "K", "d", "v"},
    {"quotes after blanks removed", "[A]\nK =  \"v\"  \n", "A", "K", "d", "v"},
    {"unmatched quotes kept", "[A]\nK=\"v'\n", "A", "K", "d", "\"v'"},
    {"only one pair removed", "[A]\nK=\"\"v\"\"\n", "A", "K", "d", "\"v\""},
    {"a lone quote kept", "[A]\nK=\"\n", "A", "K", "d", "\""},
    {"quote inside kept", "[A]\nK=a\"b\n", "A", "K", "d", "a\"b"},
    {"comment line skipped", "[A]\n;K=1\nK=2\n", "A", "K", "d", "2"},
    {"comment after blanks skipped", "[A]\n  ;K=1\n", "A", "K", "d", "d"},
    {"hash line is a key", "[A]\n#K=1\n", "A", "#K", "d", "1"},
    {"hash line is not a comment for K", "[A]\n#K=1\n", "A", "K", "d", "d"},
    {"line without equals is no key", "[A]\nK\n", "A", "K", "d", "d"},
    {"text after closing bracket ignored", "[A] junk\nK=1\n", "A", "K", "d", "1"},
    {"unclosed bracket is no header", "[A]\n[C\nK=1\n", "A", "K", "d", "1"},
    {"unclosed bracket names no section", "[A]\n[C\nK=1\n", "C", "K", "d", "d"},
    {"first of two sections wins", "[A]\nK=1\n[a]\nK=2\nJ=3\n", "A", "K", "d", "1"},
    {"second section's keys unseen", "[A]\nK=1\n[a]\nK=2\nJ=3\n", "A", "J", "d", "d"},
    {"first of two keys wins", "[A]\nK=1\nk=2\n", "A", "K", "d", "1"},
    {"empty value is not the fallback", "[A]\nK=\n", "A", "K", "d", ""},
    {"blank value is empty", "[A]\nK=  \t\n", "A", "K", "d", ""},
    {"equals sign inside value", "[A]\nK=a=b\n", "A", "K", "d", "a=b"},
    {"missing section", "[A]\nK=1\n", "B", "K", "d", "d"},
    {"missing key", "[A]\nK=1\n", "A", "J", "d", "d"},
    {"key of another section", "[A]\nK=1\n[B]\nJ=2\n", "A", "J", "d", "d"},
    {"keys before the first header belong to none", "K=1\n[A]\nJ=2\n", "A", "K", "d", "d"},
    {"no line end after the last line", "[A]\nK=v", "A", "K", "d", "v"},
    {"blank lines between", "\n\n[A]\n\nK=v\n\n", "A", "K", "d", "v"},
    {"long value cut to 127", "[A]\nK=" + kLong200 + "\n", "A", "K", "d", kFirst127},
    {"long fallback cut to 127", "[A]\n", "A", "K", kLong200, kFirst127},
    {"empty file", "", "A", "K", "d", "d"},
};

class ProfileFileTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(ProfileFileTest, ReadingRulesHoldForEveryLineEnd)
{
    const std::string path = folder.Path("read.ini");
    for (const char* end : {"\r\n", "\n", "\r"}) {
        for (const ReadCase& c : kReadCases) {
            SCOPED_TRACE(std::string(c.name) + (end[0] == '\n' ? " (LF)" : end[1] ? " (CR LF)" : " (CR)"));
            WriteBytes(path, WithLineEnds(c.file, end));
            EXPECT_EQ(ReadProfileString(path, c.section, c.key, c.fallback), c.expected);
        }
    }
}

TEST_F(ProfileFileTest, ReadingWhatCannotBeReadGivesTheFallbackAndCreatesNothing)
{
    const std::string missing = folder.Path("missing.ini");
    EXPECT_EQ(ReadProfileString(missing, "A", "K", "d"), "d");
    EXPECT_EQ(ReadProfileString(folder.Path("no/such/folder.ini"), "A", "K", "d"), "d");
    EXPECT_EQ(ReadProfileString(folder.Path(), "A", "K", "d"), "d");  // a folder
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct WriteCase {
    const char* name;
    const char* before;  // nullptr: no file yet
    std::vector<Write> writes;
    std::string after;
};

const std::vector<WriteCase> kWriteCases = {
    {"missing file is created", nullptr, {{"A", "K", "v"}}, "[A]\r\nK=v\r\n"},
    {"replaced in place with its first spelling", "[a]\r\n  Key = old \r\nX=1\r\n", {{"A", "KEY", "new"}},
     "[a]\r\nKey=new\r\nX=1\r\n"},
    {"writing twice leaves one line", nullptr, {{"A", "K", "1"}, {"A", "K", "2"}}, "[A]\r\nK=2\r\n"},
    {"new key at the end of its section", "[A]\r\nK=1\r\n[B]\r\nJ=2\r\n", {{"A", "L", "3"}},
     "[A]\r\nK=1\r\nL=3\r\n[B]\r\nJ=2\r\n"},
    {"new key before the blank lines after its section", "[A]\r\nK=1\r\n\r\n[B]\r\n", {{"A", "L", "3"}},
     "[A]\r\nK=1\r\nL=3\r\n\r\n[B]\r\n"},
    {"new key after a header alone", "[A]\r\n", {{"A", "K", "v"}}, "[A]\r\nK=v\r\n"},
    {"new key after a header without line end", "[A]", {{"A", "K", "v"}}, "[A]\r\nK=v\r\n"},
    {"new section at the end without a blank line", "[A]\r\nK=1\r\n", {{"B", "J", "2"}},
     "[A]\r\nK=1\r\n[B]\r\nJ=2\r\n"},
    {"new section after a last line without line end", "[A]\r\nK=1", {{"B", "J", "2"}},
     "[A]\r\nK=1\r\n[B]\r\nJ=2\r\n"},
    {"other lines kept as they were", "; note\n[A]\n# x\nK = 1\n", {{"A", "K", "2"}},
     "; note\n[A]\n# x\nK=2\r\n"},
    {"new key after comments of its section", "[A]\r\n; c\r\n", {{"A", "K", "v"}}, "[A]\r\n; c\r\nK=v\r\n"},
    {"first of two sections takes the key", "[A]\r\nK=1\r\n[a]\r\nJ=2\r\n", {{"A", "J", "3"}},
     "[A]\r\nK=1\r\nJ=3\r\n[a]\r\nJ=2\r\n"},
    {"first of two keys is replaced", "[A]\r\nK=1\r\nk=2\r\n", {{"A", "K", "3"}}, "[A]\r\nK=3\r\nk=2\r\n"},
    {"keys before the first header kept", "X=1\r\n", {{"A", "K", "v"}}, "X=1\r\n[A]\r\nK=v\r\n"},
    {"value written as given", nullptr, {{"A", "K", " two  words "}}, "[A]\r\nK= two  words \r\n"},
    {"section in a CR file", "[A]\rK=1\r", {{"A", "L", "2"}}, "[A]\rK=1\rL=2\r\n"},
    {"line break in a value refused", "[A]\r\n", {{"A", "K", "1\r\n[B]"}}, "[A]\r\n"},
};

// Each case runs once with a write per call and once through one store, to
// show that a store that writes once gives the same file.
TEST_F(ProfileFileTest, WritingRules)
{
    for (const WriteCase& c : kWriteCases) {
        SCOPED_TRACE(c.name);
        const std::string perCall = folder.Path("per_call.ini");
        const std::string batched = folder.Path("batched.ini");
        std::remove(perCall.c_str());
        std::remove(batched.c_str());
        if (c.before) {
            WriteBytes(perCall, c.before);
            WriteBytes(batched, c.before);
        }
        ProfileStore store(batched);
        for (const Write& w : c.writes) {
            WriteProfileString(perCall, w.section, w.key, w.value);
            store.WriteString(w.section, w.key, w.value);
        }
        store.Commit();
        EXPECT_EQ(ReadBytes(perCall), c.after);
        EXPECT_EQ(ReadBytes(batched), c.after);
    }
}

TEST_F(ProfileFileTest, WrittenValuesReadBack)
{
    const std::string path = folder.Path("back.ini");
    ASSERT_TRUE(WriteProfileString(path, "Section", "Key", "value").ok);
    ASSERT_TRUE(WriteProfileString(path, "SECTION", "other", "'quoted'").ok);
    EXPECT_EQ(ReadProfileString(path, "section", "KEY", "d"), "value");
    EXPECT_EQ(ReadProfileString(path, "section", "OTHER", "d"), "quoted");
    EXPECT_EQ(ReadBytes(path), "[Section]\r\nKey=value\r\nother='quoted'\r\n");
}

TEST_F(ProfileFileTest, WritingIntoAMissingFolderFailsAndCreatesNothing)
{
    const std::string path = folder.Path("missing/x.ini");
    const FileResult result = WriteProfileString(path, "A", "K", "v");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Cannot save \"" + path + "\": the folder does not exist.");
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(ProfileFileTest, RefusedValueIsReported)
{
    const std::string path = folder.Path("x.ini");
    const FileResult result = WriteProfileString(path, "A", "K", "two\nlines");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(path), std::string::npos);
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

}  // namespace
