#include "CsvReader.h"

namespace velmora::testing {

std::optional<std::vector<CsvRecord>> ParseCsv(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    return std::nullopt; // no closing quotation mark
                }
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
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"') {
                    return std::nullopt;
                }
                field += text[i++];
            }
        }
        if (i >= text.size()) {
            return std::nullopt; // the last record lacks its CR LF
        }
        if (text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
            continue;
        }
        if (text.substr(i, 2) != "\r\n") {
            return std::nullopt;
        }
        record.push_back(std::move(field));
        field.clear();
        records.push_back(std::move(record));
        record.clear();
        i += 2;
    }
    return records;
}

} // namespace velmora::testing
