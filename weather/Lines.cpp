#include "weather/Lines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace weather {

namespace {

// The first "\n" or "\r" in [from, to) of `data`, or `to`.
std::size_t FindLineEnd(const char* data, std::size_t from, std::size_t to) {
    const void* lf = std::memchr(data + from, '\n', to - from);
    const std::size_t limit =
        lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : to;
    const void* cr = std::memchr(data + from, '\r', limit - from);
    return cr != nullptr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : limit;
}

} // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLine) : LineReader(&in, nullptr, maxLine) {}

LineReader::LineReader(std::FILE* in, std::size_t maxLine) : LineReader(nullptr, in, maxLine) {}

LineReader::LineReader(std::istream* stream, std::FILE* file, std::size_t maxLine)
    : stream_(stream), file_(file), maxLine_(std::max<std::size_t>(maxLine, 1)),
      // Room for a whole line of maxLine_ bytes and the first byte past it.
      buffer_(std::min(kBlock, maxLine_ + 1)) {}

bool LineReader::fill() {
    if (atEnd_)
        return false;
    char* const at = buffer_.data() + end_;
    const std::size_t room = buffer_.size() - end_;
    std::size_t got = 0;
    if (stream_ != nullptr) {
        stream_->read(at, static_cast<std::streamsize>(room));
        got = static_cast<std::size_t>(stream_->gcount());
        if (got == 0)
            failed_ = stream_->bad();
    } else {
        got = std::fread(at, 1, room, file_);
        if (got == 0)
            failed_ = std::ferror(file_) != 0;
    }
    end_ += got;
    atEnd_ = got == 0;
    return !atEnd_;
}

bool LineReader::passOverCut() {
    while (true) {
        const std::size_t stop = FindLineEnd(buffer_.data(), begin_, end_);
        if (stop < end_) {
            bytes_ += stop + 1 - begin_;
            begin_ = stop + 1;
            pendingLf_ = buffer_[stop] == '\r';
            inCut_ = false;
            return true;
        }
        bytes_ += end_ - begin_;
        begin_ = end_ = 0;
        if (!fill()) {
            inCut_ = false;
            return false;
        }
    }
}

bool LineReader::dropPendingLf() {
    pendingLf_ = false;
    if (begin_ == end_) {
        begin_ = end_ = 0;
        if (!fill())
            return false;
    }
    if (buffer_[begin_] == '\n') {
        ++begin_;
        ++bytes_;
    }
    return true;
}

LineReader::Line LineReader::give(std::size_t stop, std::size_t after) {
    last_ = Line{std::string_view(buffer_.data() + begin_, stop - begin_), false};
    bytes_ += after - begin_;
    begin_ = after;
    return last_;
}

std::optional<LineReader::Line> LineReader::next() {
    if (held_) {
        held_ = false;
        return last_;
    }
    if (inCut_ && !passOverCut())
        return std::nullopt;
    if (pendingLf_ && !dropPendingLf())
        return std::nullopt;
    std::size_t searched = begin_;
    while (true) {
        const std::size_t stop = FindLineEnd(buffer_.data(), searched, end_);
        if (stop < end_) {
            std::size_t after = stop + 1;
            if (buffer_[stop] == '\r') {
                if (after < end_)
                    after += buffer_[after] == '\n' ? 1 : 0;
                else
                    pendingLf_ = true; // its "\n" may come with the next read
            }
            return give(stop, after);
        }
        if (atEnd_) {
            if (begin_ < end_)
                return give(end_, end_); // the last line, without a line end
            return std::nullopt;
        }
        if (end_ - begin_ > maxLine_) {
            // No line end within the limit: the line is given as cut now,
            // and what remains of it is passed over at the next call.
            bytes_ += end_ - begin_;
            begin_ = end_ = 0;
            inCut_ = true;
            last_ = Line{{}, true};
            return last_;
        }
        searched = end_;
        if (begin_ > 0) {
            // The partial line moves to the front of the buffer.
            std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
            searched -= begin_;
            end_ -= begin_;
            begin_ = 0;
        }
        if (end_ == buffer_.size())
            buffer_.resize(std::min(buffer_.size() * 2, maxLine_ + 1));
        fill();
    }
}

OpenedFile OpenForReading(const std::string& path, bool regularOnly) {
    OpenedFile opened;
    const auto refuse = [&](FileProblem problem, int error) {
        opened.problem = problem;
        opened.error = error;
        return std::move(opened);
    };
    // For a regular file only, O_NONBLOCK: opening a named pipe does not
    // wait for a writer (it is refused below). A stream reader waits, as
    // any program reading a pipe does.
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0) {
        const int error = errno;
        switch (error) {
        case ENOENT:
        case ENOTDIR:
            return refuse(FileProblem::NoSuchFile, error);
        case EACCES:
        case EPERM:
            return refuse(FileProblem::PermissionDenied, error);
        default:
            return refuse(FileProblem::CannotOpen, error);
        }
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return refuse(FileProblem::CannotOpen, error);
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd);
        return refuse(FileProblem::IsDirectory, EISDIR);
    }
    if (regularOnly && !S_ISREG(status.st_mode)) {
        ::close(fd);
        return refuse(FileProblem::NotRegularFile, EINVAL);
    }
    // Reads wait for their data, as a stream's reads do.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 ||
        ((flags & O_NONBLOCK) != 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)) {
        const int error = errno;
        ::close(fd);
        return refuse(FileProblem::CannotOpen, error);
    }
    opened.file.reset(::fdopen(fd, "rb"));
    if (!opened.file) {
        const int error = errno;
        ::close(fd);
        return refuse(FileProblem::CannotOpen, error);
    }
    return opened;
}

} // namespace weather
