#include "board/undo_history.h"

#include <cassert>

void UndoHistory::Push(const Snapshot& snapshot)
{
    const std::size_t slot = size_ % kChunkSize;
    if (slot == 0 && size_ / kChunkSize == chunks_.size()) {
        // A chunk is left uninitialised on purpose: every slot is written before it is read.
        chunks_.push_back(std::unique_ptr<Chunk>(new Chunk));
    }
    (*chunks_[size_ / kChunkSize])[slot] = snapshot;
    ++size_;
}

const Snapshot& UndoHistory::Front() const
{
    assert(size_ > 0);
    const std::size_t last = size_ - 1;
    return (*chunks_[last / kChunkSize])[last % kChunkSize];
}

void UndoHistory::Pop()
{
    assert(size_ > 0);
    --size_;
    // Keep one empty chunk above the top, so that alternating push and pop
    // across a chunk boundary reuses memory instead of allocating each time.
    const std::size_t needed = (size_ + kChunkSize - 1) / kChunkSize;
    if (chunks_.size() > needed + 1)
        chunks_.pop_back();
}

void UndoHistory::Clear()
{
    chunks_.clear();
    size_ = 0;
}
