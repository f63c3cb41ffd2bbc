#include "python/Rows.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace pyrows {

std::size_t Shape::rows() const noexcept {
    std::size_t rows = 1;
    for (int d = 0; d < dimensions; ++d)
        rows *= extents[static_cast<std::size_t>(d)];
    return rows;
}

Cursor::Cursor(const Shape& shape, std::span<const Column> columns, std::size_t row) noexcept
    : shape_(shape), columns_(columns) {
    // The multi-index of the flat row, last dimension fastest.
    for (int d = shape.dimensions - 1; d >= 0; --d) {
        const auto u = static_cast<std::size_t>(d);
        index_[u] = row % shape.extents[u];
        row /= shape.extents[u];
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const char* at = columns[c].data;
        for (int d = 0; d < shape.dimensions; ++d) {
            const auto u = static_cast<std::size_t>(d);
            at += static_cast<std::ptrdiff_t>(index_[u]) * columns[c].strides[u];
        }
        at_[c] = at;
    }
}

void Cursor::advance() noexcept {
    for (int d = shape_.dimensions - 1; d >= 0; --d) {
        const auto u = static_cast<std::size_t>(d);
        for (std::size_t c = 0; c < columns_.size(); ++c)
            at_[c] += columns_[c].strides[u];
        if (++index_[u] < shape_.extents[u])
            return;
        // Back to the start of this dimension, and one on in the next.
        const auto extent = static_cast<std::ptrdiff_t>(shape_.extents[u]);
        for (std::size_t c = 0; c < columns_.size(); ++c)
            at_[c] -= columns_[c].strides[u] * extent;
        index_[u] = 0;
    }
}

unsigned MachineThreads() noexcept {
    return std::max(1U, std::thread::hardware_concurrency());
}

void ForChunks(std::size_t rows, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work) {
    const std::size_t chunks = (rows + kChunkRows - 1) / kChunkRows;
    const std::size_t workers = std::min<std::size_t>(std::max(threads, 1U), chunks);
    if (workers <= 1) {
        if (rows > 0)
            work(0, rows);
        return;
    }
    // Each thread takes the next chunk when it is done with one, so that
    // chunks of costlier rows do not hold the others up.
    std::atomic<std::size_t> next{0};
    const auto take = [&] {
        for (std::size_t c = next++; c < chunks; c = next++)
            work(c * kChunkRows, std::min(rows, (c + 1) * kChunkRows));
    };
    {
        std::vector<std::jthread> pool;
        pool.reserve(workers - 1);
        for (std::size_t w = 1; w < workers; ++w)
            pool.emplace_back(take);
        take();
    } // joined here
}

} // namespace pyrows
