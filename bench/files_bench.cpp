#include "files/board_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A folder of its own under the system's temporary folder, on the disk a
// user's files would be on, removed when the benchmark ends.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kadrel-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~BenchFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    bool Ok() const { return !path_.empty(); }
    std::string Path(const char* name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Every square set, with digits, givens and candidate flags of all kinds,
// and a time of many digits: the longest file a board makes.
void FillBoard(Board& board)
{
    board.StoreMode(BoardMode::Playing);
    board.SetTime(4294967295u);
    for (int b = 0; b < 9; ++b)
        for (int c = 0; c < 9; ++c) {
            Cell& cell = board.GetCell(b, c);
            cell.selected = (b * 9 + c) % 10;
            cell.given = (b + c) % 2;
            for (int k = 0; k < 9; ++k)
                cell.visible[k] = (b + c + k) % 3 != 0;
        }
}

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[8192];
    for (ssize_t n; fd >= 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

// Saves a full board into the folder; the path, or empty when that failed.
std::string SaveFullBoard(const BenchFolder& folder)
{
    Board board;
    FillBoard(board);
    const std::string path = folder.Path("board.SUD");
    return folder.Ok() && SaveToFile(board, path).ok ? path : std::string();
}

void BM_SaveBoard(benchmark::State& state)
{
    BenchFolder folder;
    const std::string path = SaveFullBoard(folder);
    if (path.empty())
        return state.SkipWithError("cannot save in a temporary folder");
    Board board;
    FillBoard(board);
    for (auto _ : state)
        if (!SaveToFile(board, path).ok)
            return state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveBoard)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same bytes put in place with the least an atomic, durable
// replacement needs: create, write, flush, close, rename, flush the folder.
void BM_AtomicWriteFloor(benchmark::State& state)
{
    BenchFolder folder;
    const std::string path = SaveFullBoard(folder);
    if (path.empty())
        return state.SkipWithError("cannot save in a temporary folder");
    const std::string bytes = ReadAll(path);
    const std::string temporary = folder.Path(".board.SUD.tmp");
    const std::string dir = folder.Path(".");
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                        ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!ok || ::rename(temporary.c_str(), path.c_str()) != 0)
            return state.SkipWithError("write failed");
        const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(dirFd);
        ::close(dirFd);
    }
}
BENCHMARK(BM_AtomicWriteFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_LoadBoard(benchmark::State& state)
{
    BenchFolder folder;
    const std::string path = SaveFullBoard(folder);
    if (path.empty())
        return state.SkipWithError("cannot save in a temporary folder");
    Board board;
    for (auto _ : state)
        if (!LoadFromFile(board, path).ok)
            return state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
