#include "files/atomic_file_writer.h"

#include "files/system_error_words.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Symbolic links are followed at most this deep, as the system does.
constexpr int kMaxLinkDepth = 40;

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names: through any chain of symbolic links, even
// to a target that does not exist yet. Returns an error number or 0.
int ResolveLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(info.st_mode))
            return 0;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), &link[0], link.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= link.size())
            return ENAMETOOLONG;  // the link changed under us; do not guess
        link.resize(static_cast<std::size_t>(n));
        target = (!link.empty() && link[0] == '/') ? link : FolderOf(target) + "/" + link;
    }
    return ELOOP;
}

// A name beside the target that no other save picks: random, and created
// with O_EXCL, so a clash is detected and another name tried.
int CreateTemporary(const std::string& target, std::string& temporary)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        const auto value = random();
        for (int i = 0; i < 16; ++i)
            suffix[i] = "0123456789abcdef"[(value >> (4 * i)) & 0xf];
        suffix[16] = '\0';
        temporary = stem + suffix + ".tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Makes the rename itself durable. Best effort: the new file is already in
// place, so a failure here is no reason to call the save failed.
void FlushFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

class AtomicWrite {
public:
    AtomicWrite(const std::string& path, const WriteFaultHook& fault) : path_(path), fault_(fault) {}
    ~AtomicWrite() { Abandon(); }
    AtomicWrite(const AtomicWrite&) = delete;
    AtomicWrite& operator=(const AtomicWrite&) = delete;

    FileResult Run(std::string_view bytes)
    {
        if (path_.empty())
            return Fail("no file name was given");
        std::string target;
        if (const int error = ResolveLinks(path_, target))
            return Fail(error);
        struct stat old {};
        const bool replacing = ::stat(target.c_str(), &old) == 0;
        if (replacing && S_ISDIR(old.st_mode))
            return Fail("it is a folder, not a file");
        if (replacing && !S_ISREG(old.st_mode))
            return Fail("it is a device or pipe, not an ordinary file");

        if (!Step(WriteStep::CreateTemporary) || (fd_ = CreateTemporary(target, temporary_)) < 0) {
            temporary_.clear();
            return FailCreate(error_ ? error_ : errno);
        }
        if (!Step(WriteStep::KeepOwnership) || !KeepOwnership(replacing, old))
            return Fail(error_);
        if (!Step(WriteStep::Write) || (error_ = WriteAll(fd_, bytes)) != 0)
            return Fail(error_);
        if (!Step(WriteStep::Flush) || ::fsync(fd_) != 0)
            return Fail(error_ ? error_ : errno);
        const int fd = fd_;
        fd_ = -1;
        if (!Step(WriteStep::Close)) {
            ::close(fd);
            return Fail(error_);
        }
        if (::close(fd) != 0)
            return Fail(errno);
        if (!Step(WriteStep::Rename) || ::rename(temporary_.c_str(), target.c_str()) != 0)
            return Fail(error_ ? error_ : errno);
        temporary_.clear();
        FlushFolder(FolderOf(target));
        return FileResult::Success();
    }

private:
    // Asks the seam whether this step may run; false when it injects an error.
    bool Step(WriteStep step)
    {
        error_ = fault_ ? fault_(step) : 0;
        return error_ == 0;
    }

    bool KeepOwnership(bool replacing, const struct stat& old)
    {
        if (!replacing)
            return true;  // a new file gets the usual permissions, from the umask
        // Only root may give the file back to another owner, and some disks
        // (FAT) keep no owners or permissions: a refusal then is no reason
        // to lose the save.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0 && !IsUnsupported(errno)) {
            error_ = errno;
            return false;
        }
        if (::fchmod(fd_, old.st_mode & 07777) != 0 && !IsUnsupported(errno)) {
            error_ = errno;
            return false;
        }
        return true;
    }

    static bool IsUnsupported(int error) { return error == EPERM || error == EOPNOTSUPP; }

    FileResult FailCreate(int error)
    {
        if (error == ENOENT)
            return Fail("the folder does not exist");
        if (error == EACCES || error == EPERM)
            return Fail("you are not allowed to write in its folder");
        return Fail(error);
    }

    FileResult Fail(int error) { return Fail(DescribeSystemError(error)); }

    FileResult Fail(const std::string& reason)
    {
        Abandon();
        return FileResult::Failure("Cannot save " + Quoted(path_) + ": " + reason + ".");
    }

    void Abandon()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        if (!temporary_.empty())
            ::unlink(temporary_.c_str());
        temporary_.clear();
    }

    const std::string& path_;
    const WriteFaultHook& fault_;
    std::string temporary_;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace

const char* WriteStepName(WriteStep step)
{
    switch (step) {
    case WriteStep::CreateTemporary: return "create temporary";
    case WriteStep::KeepOwnership: return "keep ownership";
    case WriteStep::Write: return "write";
    case WriteStep::Flush: return "flush";
    case WriteStep::Close: return "close";
    case WriteStep::Rename: return "rename";
    }
    return "?";
}

FileResult WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFaultHook& fault)
{
    return AtomicWrite(path, fault).Run(bytes);
}
