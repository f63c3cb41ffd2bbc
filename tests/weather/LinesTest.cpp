// The shared line reader, the opening of input files, CSV fields by RFC 4180
// and the text of the input shown in messages.

#include "weather/Lines.h"

#include "weather/Fields.h"

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using namespace weather;

struct Read {
    std::vector<std::string> lines; // "<cut>" for a cut line
    std::uint64_t bytes = 0;
};

Read ReadAll(const std::string& text, std::size_t maxLine) {
    std::istringstream in(text);
    LineReader reader(in, maxLine);
    Read read;
    while (const auto line = reader.next())
        read.lines.push_back(line->cut ? "<cut>" : std::string(line->text));
    read.bytes = reader.bytes();
    return read;
}

TEST(LineReader, EveryLineEndAndLimitAtEveryBufferSplit) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"lf", "ab\ncd\n", {"ab", "cd"}},
        {"crlf", "ab\r\ncd\r\n", {"ab", "cd"}},
        {"lone cr (old Mac)", "ab\rcd\r", {"ab", "cd"}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"no end at the end", "ab\ncd", {"ab", "cd"}},
        {"blank lines kept", "\n\r\n\r", {"", "", ""}},
        {"cr then lf is one end, lf then cr two", "a\r\n\rb\n\rc", {"a", "", "b", "", "c"}},
        {"nul bytes are text", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
        {"empty input", "", {}},
    };
    // Every limit from 4 bytes up splits the buffer somewhere else,
    // "\r\n" included.
    for (const Case& c : cases) {
        for (std::size_t limit = 4; limit <= 12; ++limit) {
            const Read read = ReadAll(c.text, limit);
            EXPECT_EQ(read.lines, c.lines) << c.name << ", limit " << limit;
            EXPECT_EQ(read.bytes, c.text.size()) << c.name << ", limit " << limit;
        }
    }
}

TEST(LineReader, ALineOverTheLimitIsCutAndTheNextOnesAreRead) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        const std::string text = "abc" + std::string(end) + std::string(100, 'x') + end + "de" +
                                 end + std::string(9, 'y') + end + std::string(10, 'z');
        const Read read = ReadAll(text, 9);
        EXPECT_EQ(read.lines,
                  (std::vector<std::string>{"abc", "<cut>", "de", std::string(9, 'y'), "<cut>"}))
            << "line end " << static_cast<int>(end[0]);
        EXPECT_EQ(read.bytes, text.size());
    }
}

// An endless input, as /dev/zero is: a byte count, never an end.
class Endless : public std::streambuf {
public:
    std::uint64_t given = 0;

protected:
    int_type underflow() override {
        block_.assign(4096, '\0');
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        given += block_.size();
        return traits_type::to_int_type(block_[0]);
    }

private:
    std::string block_;
};

TEST(LineReader, AnEndlessLineIsCutWithoutReadingOn) {
    // Regression: a header over the limit was searched to its end before
    // anything was said; an endless one never ended.
    Endless endless;
    std::istream in(&endless);
    LineReader reader(in, 1 << 16);
    const auto line = reader.next();
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->cut);
    EXPECT_TRUE(line->text.empty());
    EXPECT_LT(endless.given, std::uint64_t{1} << 18);
}

TEST(LineReader, HoldGivesTheLineAgain) {
    std::istringstream in("one\ntwo\n");
    LineReader reader(in);
    EXPECT_EQ(reader.next()->text, "one");
    reader.hold();
    EXPECT_EQ(reader.next()->text, "one");
    EXPECT_EQ(reader.next()->text, "two");
    EXPECT_FALSE(reader.next());
    EXPECT_FALSE(reader.failed());
}

TEST(OpenForReading, SaysWhyAFileIsNotRead) {
    const std::filesystem::path dir = testing::TempDir() + "open_for_reading";
    std::filesystem::create_directories(dir);
    const std::string fifo = (dir / "fifo").string();
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(OpenForReading((dir / "none.csv").string(), true).problem, FileProblem::NoSuchFile);
    EXPECT_EQ(OpenForReading((dir / "none" / "x.csv").string(), false).problem,
              FileProblem::NoSuchFile);
    const OpenedFile folder = OpenForReading(dir.string(), false);
    EXPECT_EQ(folder.problem, FileProblem::IsDirectory);
    EXPECT_EQ(folder.error, EISDIR);
    // A named pipe without a writer: refused at once, never waited on.
    EXPECT_EQ(OpenForReading(fifo, true).problem, FileProblem::NotRegularFile);
    EXPECT_EQ(OpenForReading("/dev/null", true).problem, FileProblem::NotRegularFile);
    // A stream reader takes a device as it is.
    EXPECT_TRUE(OpenForReading("/dev/null", false).file);
    std::filesystem::remove_all(dir);
}

TEST(CsvFields, SplitAndReadAsACsvReaderDoes) {
    struct Case {
        std::string line;
        std::vector<std::string> values;
    };
    // The values Python's csv module gives for the same lines.
    const Case cases[] = {
        {"a,b,,c", {"a", "b", "", "c"}},
        {"", {""}},
        {R"("a,b",1,"say ""hi"", there",)", {"a,b", "1", R"(say "hi", there)", ""}},
        {R"(08:"00,75,50)", {R"(08:"00)", "75", "50"}}, // a quote inside a field is text
        {R"("ab"c,d)", {"abc", "d"}},                   // text after the closing quote is kept
        {R"( "a,b" ,d)", {R"( "a)", R"(b" )", "d"}},    // a quote after a blank opens nothing
        {R"("08:00,75,50)", {"08:00,75,50"}},           // never closed: to the end of the line
        {R"("",x)", {"", "x"}},
        {R"("""",x)", {"\"", "x"}},
    };
    std::vector<std::string_view> fields;
    std::string value;
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCsvFields(c.line, fields), c.values.size()) << c.line;
        std::vector<std::string> values;
        for (const std::string_view field : fields) {
            CsvFieldValue(field, value);
            values.push_back(value);
        }
        EXPECT_EQ(values, c.values) << c.line;
    }
}

TEST(ShownText, NoControlCharacterOfTheInputReachesAMessage) {
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"plain 12.5", "plain 12.5"},
        {"a\rb\nc\td", R"(a\rb\nc\td)"},
        {"\x1b[31mred", R"(\x1B[31mred)"},
        {std::string("nul\0!", 5), R"(nul\x00!)"},
        {"del\x7f", R"(del\x7F)"},
        {"caf\xC3\xA9 20 \xC2\xB0"
         "C",
         "caf\xC3\xA9 20 \xC2\xB0"
         "C"}, // UTF-8 kept
        {"\xC2\x9B"
         "1m",
         R"(\xC2\x9B1m)"},           // a C1 control (CSI)
        {"\xFF\xC3", R"(\xFF\xC3)"}, // not UTF-8
        {"\xE2\x82", R"(\xE2\x82)"}, // cut short
        {"\xC0\xAF", R"(\xC0\xAF)"}, // overlong
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShownText(c.text), c.shown) << c.shown;
    EXPECT_EQ(ShownText(std::string(1000, 'x'), 10), std::string(10, 'x') + "...");
    EXPECT_EQ(ShownText(std::string(1 << 20, '\n')).size(), 64u + 3u);
}

} // namespace
