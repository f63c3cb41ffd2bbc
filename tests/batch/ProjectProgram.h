#pragma once

// vaporwright-batch run on project files in a folder of the test's own (ctest
// runs the tests side by side), and its CSV tables read strictly by RFC 4180
// (fuzz/Csv.h), by header name and row.

#include "fuzz/Csv.h"
#include "projectcore/ProjectData.h"
#include "projectcore/ProjectFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

namespace projectprogram {

struct Ran {
    int code = -1;
    std::string out;
    std::string err;
};

class ProgramTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "batch_project_" +
               testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
               std::to_string(getpid());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    [[nodiscard]] std::string path(const std::string& name) const { return dir_ + "/" + name; }

    // Runs the program with `arguments` (a shell word list, $T the folder).
    [[nodiscard]] Ran run(const std::string& arguments) const {
        const std::string line =
            "T='" + dir_ + "'; '" + VW_BATCH_PROGRAM + "' " + arguments + " 2>'" + dir_ + "/.err'";
        Ran result;
        std::FILE* pipe = popen(line.c_str(), "r");
        if (pipe == nullptr)
            return result;
        char block[4096];
        for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;)
            result.out.append(block, n);
        const int status = pclose(pipe);
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = contents(dir_ + "/.err");
        std::filesystem::remove(dir_ + "/.err");
        return result;
    }

    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string save(const project::ProjectData& data, const std::string& name) const {
        std::ofstream(path(name), std::ios::binary) << project::WriteProjectFile(data);
        return path(name);
    }

private:
    std::string dir_;
};

// A table the program wrote, read strictly: every line ends in CR LF and
// every record has the header's number of fields.
struct Table {
    std::vector<std::string> header;
    std::vector<fuzz::CsvRecord> rows;

    // The column of `name` in the header, -1 when there is none.
    [[nodiscard]] int column(const std::string& name) const {
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == name)
                return static_cast<int>(i);
        }
        return -1;
    }
};

inline testing::AssertionResult ReadTable(const std::string& csv, Table& table) {
    const auto read = fuzz::ReadCsv(csv);
    if (const auto* error = std::get_if<std::string>(&read))
        return testing::AssertionFailure() << "no valid CSV: " << *error;
    const auto& records = std::get<std::vector<fuzz::CsvRecord>>(read);
    if (records.empty())
        return testing::AssertionFailure() << "no header";
    for (std::size_t at = csv.find('\n'); at != std::string::npos; at = csv.find('\n', at + 1)) {
        if (at == 0 || csv[at - 1] != '\r')
            return testing::AssertionFailure() << "a line that does not end in CR LF";
    }
    table.header = records.front();
    table.rows.assign(records.begin() + 1, records.end());
    for (const auto& row : table.rows) {
        if (row.size() != table.header.size())
            return testing::AssertionFailure() << "a row of " << row.size() << " fields under "
                                               << table.header.size() << " names";
    }
    return testing::AssertionSuccess();
}

} // namespace projectprogram
