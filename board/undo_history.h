#pragma once

#include "board/snapshot.h"

#include <cstddef>
#include <memory>
#include <vector>

// The Board's snapshots, most recent first, with no depth limit. Stored in
// fixed-size chunks so that a push or a pop costs the same at any depth:
// nothing is shifted and nothing large is reallocated.
class UndoHistory {
public:
    UndoHistory() = default;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void Push(const Snapshot& snapshot);  // becomes index 0
    const Snapshot& Front() const;        // index 0; the history must not be empty
    void Pop();                           // drops index 0; the history must not be empty
    void Clear();
    std::size_t Size() const { return size_; }
    bool Empty() const { return size_ == 0; }

private:
    // 256 snapshots are about 43 KB: below malloc's mmap threshold, so a chunk
    // costs its size plus a few bytes of bookkeeping.
    static constexpr std::size_t kChunkSize = 256;
    using Chunk = std::array<Snapshot, kChunkSize>;

    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::size_t size_ = 0;
};
