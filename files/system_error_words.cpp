#include "files/system_error_words.h"

#include <cerrno>
#include <cstring>

std::string DescribeSystemError(int error)
{
    switch (error) {
    case ENOENT:
        return "the folder or file does not exist";
    case ENOTDIR:
        return "a part of the path is not a folder";
    case EACCES:
    case EPERM:
        return "you are not allowed to do this there";
    case EROFS:
        return "the disk is read-only";
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "your disk quota is used up";
    case EISDIR:
        return "it is a folder, not a file";
    case ENAMETOOLONG:
        return "the name is too long";
    case ELOOP:
        return "it is a loop of symbolic links";
    case EIO:
        return "the disk reported an input/output error";
    case EXDEV:
        return "the file is on another disk than its folder";
    default:
        break;
    }
    std::string text = std::strerror(error);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}
