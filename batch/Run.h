#pragma once

// The run: rows read from a CSV or EPW file, computed and written one at a
// time, so that memory does not grow with the number of rows.

#include "batch/Options.h"
#include "weather/Lines.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace batch {

// The lines of the input: any line end, memory bounded by a 16 MiB line.
using LineReader = weather::LineReader;

// Buffered output to a file; a failed write is remembered, and later writes
// are dropped.
class Sink {
public:
    explicit Sink(std::FILE* file) : file_(file) { text_.reserve(kFlushAt + 4096); }
    // The buffer to append to; write() after each line.
    std::string& text() { return text_; }
    void write() {
        if (text_.size() >= kFlushAt)
            flush();
    }
    bool flush();
    [[nodiscard]] bool failed() const { return failed_; }

private:
    static constexpr std::size_t kFlushAt = std::size_t{1} << 18;
    std::FILE* file_;
    std::string text_;
    bool failed_ = false;
};

// A progress line on a terminal: the share of the input's bytes read, at most
// a few times a second, cleared at the end. Nothing when `terminal` is null
// or the size is unknown.
class Progress {
public:
    Progress(std::FILE* terminal, std::uint64_t totalBytes);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void update(std::uint64_t bytes) {
        if (terminal_ != nullptr)
            show(bytes);
    }

private:
    void show(std::uint64_t bytes);
    std::FILE* terminal_;
    std::uint64_t total_;
    std::int64_t lastShownNs_ = 0;
    bool shown_ = false;
};

// What a run reports besides its rows.
struct RunResult {
    int exitCode = kExitOk;
    std::string message; // for standard error when not ok
};

// Reads CSV rows from `in`, writes the output to `out`. A header line longer
// than LineReader::kMaxLine ends the run; a longer row gives a reason.
RunResult RunCsv(std::FILE* in, Sink& out, const Options& options, Progress& progress);

// Reads the hours of the EPW file `path`, writes the output to `out`.
RunResult RunEpw(const std::string& path, Sink& out, const Options& options, Progress& progress);
// The same from the open file `in`, named `path` in messages.
RunResult RunEpw(std::FILE* in, const std::string& path, Sink& out, const Options& options,
                 Progress& progress);

} // namespace batch
