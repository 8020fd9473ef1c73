#include "files/profile_file.h"

#include "files/profile_store.h"

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view fallback)
{
    return ProfileStore(path).ReadString(section, key, fallback);
}

FileResult WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view value, const WriteFaultHook& fault)
{
    ProfileStore store(path);
    store.WriteString(section, key, value);
    return store.Commit(fault);
}
