#pragma once

// The lines of a text file read with bounded memory, whatever the file holds:
// the weather readers and the command-line calculator share it.
//
// A line ends at "\n", "\r\n" or a lone "\r" (the line end of old Mac
// files), and may lack a line end at the end of the file. A line longer than
// the reader's limit is given as cut, without its text, as soon as the limit
// is passed: the rest of it is passed over at the next call, never held, so
// that one endless line (a device, a damaged file) costs no more than the
// limit. Bytes are taken as they are: a NUL byte is part of its line.

#include "weather/Report.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace weather {

class LineReader {
public:
    // The longest line given whole, bytes without the line end.
    static constexpr std::size_t kMaxLine = std::size_t{1} << 24; // 16 MiB

    // Reads from `in`, which must outlive the reader. `maxLine` is there for
    // tests; 0 is taken as 1.
    explicit LineReader(std::istream& in, std::size_t maxLine = kMaxLine);
    explicit LineReader(std::FILE* in, std::size_t maxLine = kMaxLine);

    struct Line {
        std::string_view text; // without its line end; empty when cut
        bool cut = false;      // longer than the limit
    };
    // The next line, valid until the next call; nothing at the end of the
    // input or after a read error (see failed()).
    std::optional<Line> next();
    // Gives the last line again on the next call of next().
    void hold() { held_ = true; }

    // A read error of the input (not its end).
    [[nodiscard]] bool failed() const { return failed_; }
    // The bytes of the lines given so far, their line ends included.
    [[nodiscard]] std::uint64_t bytes() const { return bytes_; }
    [[nodiscard]] std::size_t maxLine() const { return maxLine_; }

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 20;
    LineReader(std::istream* stream, std::FILE* file, std::size_t maxLine);

    bool fill();          // reads more after end_; false at the end of the input
    bool passOverCut();   // drops the rest of a cut line; false at the end
    bool dropPendingLf(); // drops the "\n" of a "\r\n" split by a read
    Line give(std::size_t stop, std::size_t after);

    std::istream* stream_;
    std::FILE* file_;
    std::size_t maxLine_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0; // the first byte not yet given
    std::size_t end_ = 0;   // the end of the bytes read
    std::uint64_t bytes_ = 0;
    Line last_;
    bool held_ = false;
    bool inCut_ = false;     // the rest of a cut line is still to pass over
    bool pendingLf_ = false; // the last line ended at "\r" with the buffer
    bool atEnd_ = false;
    bool failed_ = false;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// A file opened for reading, or what kept it closed: the problem and the
// system's error number (ENOENT, EISDIR, EACCES, ...).
struct OpenedFile {
    FilePtr file;
    FileProblem problem = FileProblem::None;
    int error = 0;
};

// Opens `path` for reading. A folder is refused (IsDirectory); so is
// anything but a regular file when `regularOnly`, without waiting for a
// named pipe's writer (a window must neither hang on a pipe nor read a
// device without end); otherwise pipes and devices are read as streams, as
// a command-line program reads them.
OpenedFile OpenForReading(const std::string& path, bool regularOnly);

} // namespace weather
