#pragma once

// Rows of arrays computed on every core. The inputs are columns of doubles
// read where they lie, through the strides of arrays broadcast to one shape
// (a stride of 0 repeats a value along a dimension), so that no input is
// copied; the results go to contiguous arrays of that shape, row i at
// element i in C order. The rows are handed out in chunks to a pool of
// threads that lives for one call.

#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <span>

namespace pyrows {

// As many dimensions as an array may have.
inline constexpr int kMaxDimensions = 32;
// As many input columns as one kind of row reads.
inline constexpr std::size_t kMaxColumns = 8;

// The shape of the rows: the broadcast shape of the inputs.
struct Shape {
    int dimensions = 0; // 0: a single row
    std::array<std::size_t, kMaxDimensions> extents{};

    [[nodiscard]] std::size_t rows() const noexcept;
};

// One input column: its first element and, per dimension of the shape, the
// bytes from one element to the next.
struct Column {
    const char* data = nullptr;
    std::array<std::ptrdiff_t, kMaxDimensions> strides{};
};

// The values of every column at one row, moving on row by row in C order.
class Cursor {
public:
    // At row `row` (a flat index in C order).
    Cursor(const Shape& shape, std::span<const Column> columns, std::size_t row) noexcept;

    // The value of column `column` at the current row; any alignment.
    [[nodiscard]] double operator[](std::size_t column) const noexcept {
        double value = 0.0;
        std::memcpy(&value, at_[column], sizeof value);
        return value;
    }
    void advance() noexcept;

private:
    const Shape& shape_;
    std::span<const Column> columns_;
    std::array<std::size_t, kMaxDimensions> index_{};
    std::array<const char*, kMaxColumns> at_{};
};

// The threads a call uses when the caller names none: one per core.
unsigned MachineThreads() noexcept;

// Rows per chunk: enough that handing out a chunk costs nothing beside it,
// few enough that the threads finish together when rows differ in cost.
inline constexpr std::size_t kChunkRows = 8192;

// Calls work(begin, end) for consecutive ranges of [0, rows), at most
// kChunkRows each, on up to `threads` threads, the caller's among them;
// returns when every range is done. `work` must not throw.
void ForChunks(std::size_t rows, unsigned threads,
               const std::function<void(std::size_t, std::size_t)>& work);

// Runs a row function over every row: makeRow() gives a fresh function for
// each chunk (so that it may keep what it learns from one row for the next),
// called as row(i, cursor) with the cursor at row i.
template <typename MakeRow>
void RunRows(const Shape& shape, std::span<const Column> columns, unsigned threads,
             const MakeRow& makeRow) {
    ForChunks(shape.rows(), threads, [&](std::size_t begin, std::size_t end) {
        auto row = makeRow();
        Cursor at(shape, columns, begin);
        for (std::size_t i = begin; i < end; ++i, at.advance())
            row(i, at);
    });
}

} // namespace pyrows
