#include "files/bounded_file_reader.h"

#include "files/system_error_words.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileResult CannotOpen(const std::string& path, const std::string& reason)
{
    return FileResult::Failure("Cannot open " + Quoted(path) + ": " + reason + ".");
}

FileResult CannotOpen(const std::string& path, int error)
{
    if (error == ENOENT)
        return CannotOpen(path, "the file does not exist");
    if (error == EACCES || error == EPERM)
        return CannotOpen(path, "you are not allowed to read it");
    return CannotOpen(path, DescribeSystemError(error));
}

FileResult TooLarge(const std::string& path, std::size_t maxBytes)
{
    const std::string limit = maxBytes % (1024 * 1024) == 0
        ? std::to_string(maxBytes / (1024 * 1024)) + " MiB"
        : std::to_string(maxBytes) + " bytes";
    return FileResult::Failure(Quoted(path) + " is not a board file: it is larger than " + limit + ".");
}

// What kind of thing a non-regular path is, for the message.
FileResult NotAFile(const std::string& path, mode_t mode)
{
    if (S_ISDIR(mode))
        return CannotOpen(path, "it is a folder, not a file");
    return CannotOpen(path, "it is a device or pipe, not an ordinary file");
}

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() { ::close(fd_); }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int fd_;
};

}  // namespace

FileResult ReadBoundedFile(const std::string& path, std::string& text, bool& missing, std::size_t maxBytes)
{
    text.clear();
    missing = false;
    if (path.empty())
        return FileResult::Failure("Cannot open \"\": no file name was given.");
    // Look before opening: opening a device can have effects of its own.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        missing = errno == ENOENT;
        return CannotOpen(path, errno);
    }
    if (!S_ISREG(info.st_mode))
        return NotAFile(path, info.st_mode);
    if (static_cast<std::size_t>(info.st_size) > maxBytes)
        return TooLarge(path, maxBytes);

    // Non-blocking, so a path swapped for a pipe after the look cannot hang us.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return CannotOpen(path, errno);
    FdCloser closer(fd);
    if (::fstat(fd, &info) != 0)
        return CannotOpen(path, errno);
    if (!S_ISREG(info.st_mode))
        return NotAFile(path, info.st_mode);

    // Read one byte past the limit, so a file that grew since the look is caught.
    std::string buffer(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == buffer.size()) {
            if (buffer.size() > maxBytes)
                break;
            buffer.resize(std::min(buffer.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd, &buffer[got], buffer.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return CannotOpen(path, errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got > maxBytes)
        return TooLarge(path, maxBytes);
    buffer.resize(got);
    text = std::move(buffer);
    return FileResult::Success();
}
