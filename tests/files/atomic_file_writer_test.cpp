#include "files/atomic_file_writer.h"
#include "tests/files/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string kOld = "[OLD]\r\nK=1\r\n";
const std::string kNew = "[NEW]\r\nK=2\r\n";

class AtomicFileWriterTest : public ::testing::Test {
protected:
    TempFolder folder;
};

// Every step that can fail, failing with each of a few errors: the old file
// stays byte for byte with its permissions, and no temporary file is left.
TEST_F(AtomicFileWriterTest, AFailureAtAnyStepLeavesTheOldFileAndNoTemporary)
{
    const std::string path = folder.Path("board.SUD");
    for (int failing = 0; failing < kWriteStepCount; ++failing) {
        for (int error : {EIO, ENOSPC, EACCES}) {
            const WriteStep step = static_cast<WriteStep>(failing);
            SCOPED_TRACE(std::string(WriteStepName(step)) + " fails with errno " + std::to_string(error));
            WriteBytes(path, kOld);
            ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
            std::vector<WriteStep> ran;
            const FileResult result = WriteFileAtomically(path, kNew, [&](WriteStep s) {
                ran.push_back(s);
                return s == step ? error : 0;
            });
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.message.rfind("Cannot save \"" + path + "\": ", 0), 0u) << result.message;
            EXPECT_EQ(ran.size(), static_cast<std::size_t>(failing + 1));
            EXPECT_EQ(ReadBytes(path), kOld);
            EXPECT_EQ(PermissionsOf(path), 0640u);
            EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"board.SUD"});
        }
    }
}

TEST_F(AtomicFileWriterTest, AFailureBeforeAnyFileExistedCreatesNothing)
{
    const std::string path = folder.Path("new.SUD");
    for (int failing = 0; failing < kWriteStepCount; ++failing) {
        SCOPED_TRACE(WriteStepName(static_cast<WriteStep>(failing)));
        const FileResult result = WriteFileAtomically(path, kNew, [&](WriteStep s) {
            return static_cast<int>(s) == failing ? EIO : 0;
        });
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(FolderEntries(folder.Path()).empty());
    }
}

TEST_F(AtomicFileWriterTest, MessagesSayWhatWentWrong)
{
    WriteBytes(folder.Path("plain"), "x");
    ASSERT_EQ(::mkdir(folder.Path("sub").c_str(), 0755), 0);
    struct Case {
        const char* name;
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"missing folder", folder.Path("missing/x.SUD"), "the folder does not exist"},
        {"folder is a file", folder.Path("plain/x.SUD"), "a part of the path is not a folder"},
        {"target is a folder", folder.Path("sub"), "it is a folder, not a file"},
        {"target is a device", "/dev/null", "it is a device or pipe, not an ordinary file"},
        {"no name", "", "no file name was given"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileResult result = WriteFileAtomically(c.path, kNew);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, "Cannot save \"" + c.path + "\": " + c.reason + ".");
    }
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"plain", "sub"}));
    EXPECT_TRUE(FolderEntries(folder.Path("sub")).empty());
}

TEST_F(AtomicFileWriterTest, TheTemporaryIsRefusedWithPermissionWords)
{
    const std::string path = folder.Path("x.SUD");
    const FileResult result = WriteFileAtomically(path, kNew, [](WriteStep s) {
        return s == WriteStep::CreateTemporary ? EACCES : 0;
    });
    EXPECT_EQ(result.message, "Cannot save \"" + path + "\": you are not allowed to write in its folder.");
}

TEST_F(AtomicFileWriterTest, AReplacedFileKeepsItsPermissions)
{
    const std::string path = folder.Path("x.SUD");
    for (unsigned mode : {0640u, 0600u, 0644u, 0664u, 0400u}) {
        SCOPED_TRACE(mode);
        WriteBytes(path, kOld);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomically(path, kNew).ok);
        EXPECT_EQ(ReadBytes(path), kNew);
        EXPECT_EQ(PermissionsOf(path), mode);
    }
}

TEST_F(AtomicFileWriterTest, ANewFileGetsTheUsualPermissions)
{
    const mode_t mask = ::umask(022);
    const FileResult result = WriteFileAtomically(folder.Path("x.SUD"), kNew);
    ::umask(mask);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(PermissionsOf(folder.Path("x.SUD")), 0644u);
}

TEST_F(AtomicFileWriterTest, SavingThroughASymbolicLinkWritesItsTarget)
{
    ASSERT_EQ(::mkdir(folder.Path("real").c_str(), 0755), 0);
    struct Case {
        const char* name;
        std::string linkTarget;  // as stored in the link
        std::string file;        // the file it names
        bool exists;
    };
    const Case cases[] = {
        {"absolute link", folder.Path("real/a.SUD"), folder.Path("real/a.SUD"), true},
        {"relative link", "real/b.SUD", folder.Path("real/b.SUD"), true},
        {"link to a file not yet there", "real/c.SUD", folder.Path("real/c.SUD"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string link = folder.Path("link.SUD");
        std::remove(link.c_str());
        if (c.exists) {
            WriteBytes(c.file, kOld);
            ASSERT_EQ(::chmod(c.file.c_str(), 0640), 0);
        }
        ASSERT_EQ(::symlink(c.linkTarget.c_str(), link.c_str()), 0);
        ASSERT_TRUE(WriteFileAtomically(link, kNew).ok);
        struct stat info {};
        ASSERT_EQ(::lstat(link.c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode));
        EXPECT_EQ(ReadBytes(c.file), kNew);
        if (c.exists) {
            EXPECT_EQ(PermissionsOf(c.file), 0640u);
        }
    }
    EXPECT_EQ(FolderEntries(folder.Path("real")), (std::vector<std::string>{"a.SUD", "b.SUD", "c.SUD"}));
}

TEST_F(AtomicFileWriterTest, ALoopOfLinksIsRefused)
{
    const std::string a = folder.Path("a"), b = folder.Path("b");
    ASSERT_EQ(::symlink(b.c_str(), a.c_str()), 0);
    ASSERT_EQ(::symlink(a.c_str(), b.c_str()), 0);
    const FileResult result = WriteFileAtomically(a, kNew);
    EXPECT_EQ(result.message, "Cannot save \"" + a + "\": it is a loop of symbolic links.");
}

// A second save of the same file that starts while the first is half done
// picks its own temporary name, and each save is whole.
TEST_F(AtomicFileWriterTest, TwoSavesAtOnceDoNotShareATemporary)
{
    const std::string path = folder.Path("x.SUD");
    std::vector<std::string> seenWhileWriting;
    FileResult inner;
    const FileResult outer = WriteFileAtomically(path, kOld, [&](WriteStep s) {
        if (s == WriteStep::Write) {
            seenWhileWriting = FolderEntries(folder.Path());
            inner = WriteFileAtomically(path, kNew);
        }
        return 0;
    });
    EXPECT_TRUE(inner.ok);
    EXPECT_TRUE(outer.ok);
    ASSERT_EQ(seenWhileWriting.size(), 1u);
    EXPECT_EQ(seenWhileWriting[0].rfind(".x.SUD.", 0), 0u) << seenWhileWriting[0];
    EXPECT_EQ(ReadBytes(path), kOld);  // the outer save renamed last
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"x.SUD"});
}

}  // namespace
