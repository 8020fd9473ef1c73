#pragma once

#include <string>
#include <vector>

// A fresh folder under the system's temporary folder for one test, removed
// with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// The names in a folder, sorted, hidden ones included.
std::vector<std::string> FolderEntries(const std::string& folder);
// The permission bits of a file, as 0640.
unsigned PermissionsOf(const std::string& path);
