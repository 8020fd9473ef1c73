#pragma once

#include <string>
#include <utility>

// The outcome of a file operation: success, or a message for the user that
// names the file and says in plain words what went wrong.
struct FileResult {
    bool ok = true;
    std::string message;

    static FileResult Success() { return {}; }
    static FileResult Failure(std::string message) { return {false, std::move(message)}; }
};

// "/home/ann/x.SUD" with its quotes, as messages show a path.
inline std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}
