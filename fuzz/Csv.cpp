#include "fuzz/Csv.h"

namespace fuzz {

std::variant<std::vector<CsvRecord>, std::string> ReadCsv(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::size_t i = 0;
    // The length of the line end at `at`: 1 for "\n", 2 for "\r\n", else 0.
    const auto lineEnd = [&](std::size_t at) -> std::size_t {
        if (at < text.size() && text[at] == '\n')
            return 1;
        if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n')
            return 2;
        return 0;
    };
    const auto where = [&] {
        return " (record " + std::to_string(records.size() + 1) + ", field " +
               std::to_string(record.size() + 1) + ")";
    };
    while (i < text.size()) {
        std::string field;
        if (text[i] == '"') {
            ++i;
            while (true) {
                if (i == text.size())
                    return "a quoted field is not closed" + where();
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && lineEnd(i) == 0) {
                if (text[i] == '"')
                    return "a double quote in an unquoted field" + where();
                if (text[i] == '\r')
                    return "a carriage return in an unquoted field" + where();
                field += text[i++];
            }
        }
        record.push_back(std::move(field));
        if (i == text.size())
            return "the last record has no line end" + where();
        if (text[i] == ',') {
            ++i;
            if (lineEnd(i) == 0 && i < text.size())
                continue;
            // A comma before the line end or the end: one more, empty field.
            record.emplace_back();
            if (i == text.size())
                return "the last record has no line end" + where();
        }
        const std::size_t end = lineEnd(i);
        if (end == 0)
            return "text after a closing quote" + where();
        i += end;
        records.push_back(std::move(record));
        record.clear();
    }
    return records;
}

} // namespace fuzz
