#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Makes a folder refuse new files for as long as it lives. Permissions stop
// anyone but root; root ignores them, so for root the folder is also marked
// immutable, which this filesystem may or may not allow.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path) : path_(std::move(path))
    {
        ::chmod(path_.c_str(), 0555);
        if (::geteuid() == 0)
            immutable_ = SetImmutable(true);
    }
    ~ReadOnlyFolder()
    {
        if (immutable_)
            SetImmutable(false);
        ::chmod(path_.c_str(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // Whether a new file really is refused there.
    bool Refuses() const
    {
        const std::string probe = path_ + "/probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0)
            return true;
        ::close(fd);
        ::unlink(probe.c_str());
        return false;
    }

private:
    bool SetImmutable(bool on) const
    {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    std::string path_;
    bool immutable_ = false;
};
