// Every reader's fuzzing entry (fuzz/Targets.h) on deterministic mutations of
// its seed files: the file whole, cut short at every byte, with single bits
// flipped, with its line ends changed and with a huge number in a huge line;
// and on every input that fuzzing found once (regressions/<target>/), each of
// which broke a reader.
//
// The readers are thus exercised in every build, clang or not, and under the
// sanitizers in the sanitizer build.

#include "fuzz/Targets.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct Case {
    fuzz::Target target;
    fs::path file;
    bool seed = true; // a seed to mutate; otherwise a regression, read as it is
};

// How a case is named in test listings: its file, not its bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.file.filename().string();
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const fuzz::Target& target : fuzz::Targets()) {
        for (const auto& [root, seed] :
             {std::pair{VW_FUZZ_CORPUS_DIR, true}, std::pair{VW_FUZZ_REGRESSIONS_DIR, false}}) {
            const fs::path folder = fs::path(root) / target.name;
            if (!fs::is_directory(folder))
                continue;
            std::vector<fs::path> files;
            for (const fs::directory_entry& entry : fs::directory_iterator(folder))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const fs::path& file : files)
                cases.push_back({target, file, seed});
        }
    }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name = std::string(info.param.target.name) +
                       (info.param.seed ? "_seed_" : "_regression_") +
                       info.param.file.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    for (std::size_t at = 0;;) {
        const std::size_t found = text.find(from, at);
        out += text.substr(at, found - at);
        if (found == std::string_view::npos)
            return out;
        out += to;
        at = found + from.size();
    }
}

// Runs the check on each mutation, reporting the first few findings (a fault
// usually shows in many neighbouring mutations) and how many there were.
class Findings {
public:
    explicit Findings(const Case& c) : case_(c) {}
    ~Findings() {
        EXPECT_EQ(count_, 0U) << count_ << " mutations of " << case_.file << " broke "
                              << case_.target.name;
    }
    Findings(const Findings&) = delete;
    Findings& operator=(const Findings&) = delete;

    void check(std::string_view bytes, const std::string& mutation) {
        const fuzz::Finding finding = case_.target.check(bytes);
        if (finding.empty())
            return;
        if (++count_ <= kReported)
            ADD_FAILURE() << case_.file.filename() << ", " << mutation << ": " << finding;
    }

private:
    static constexpr std::size_t kReported = 5;
    const Case& case_;
    std::size_t count_ = 0;
};

class ReaderMutations : public testing::TestWithParam<Case> {};

TEST_P(ReaderMutations, KeepEveryInvariant) {
    const Case& c = GetParam();
    std::string bytes = ReadFile(c.file);
    Findings findings(c);
    findings.check(bytes, "as it is");
    if (!c.seed)
        return;

    for (std::size_t size = 0; size < bytes.size(); ++size)
        findings.check(std::string_view(bytes).substr(0, size),
                       "cut to " + std::to_string(size) + " bytes");

    // Single bits: every bit of a small seed; of a larger one bits at a fixed
    // odd stride, which meets every bit position within the bytes.
    constexpr std::size_t kMostFlips = 4096;
    const std::size_t bits = bytes.size() * 8;
    const std::size_t stride = bits <= kMostFlips ? 1 : (bits / kMostFlips) | 1U;
    for (std::size_t bit = 0; bit < bits; bit += stride) {
        const auto mask = static_cast<char>(1U << (bit % 8));
        bytes[bit / 8] ^= mask;
        findings.check(bytes, "bit " + std::to_string(bit) + " flipped");
        bytes[bit / 8] ^= mask;
    }

    // Other line ends: Windows', old Macintosh's, and none but the last.
    const std::string lf = Replaced(bytes, "\r\n", "\n");
    findings.check(Replaced(lf, "\n", "\r\n"), "CRLF line ends");
    findings.check(Replaced(lf, "\n", "\r"), "CR line ends");
    findings.check(Replaced(lf, "\n", ""), "no line ends");

    // A huge line holding an absurd number: a MiB of nines after the first
    // comma of the second line (or of the file).
    const std::size_t line = std::min(lf.find('\n'), lf.size());
    const std::size_t comma = std::min(lf.find(',', line), lf.size());
    std::string huge = lf;
    huge.insert(comma == lf.size() ? 0 : comma + 1, std::size_t{1} << 20, '9');
    findings.check(huge, "a MiB of nines in the second line");
}

INSTANTIATE_TEST_SUITE_P(Fuzz, ReaderMutations, testing::ValuesIn(AllCases()), CaseName);

} // namespace
