// nimbrel-cli's TSV read back by its documented rule: fields split at tabs;
// \t, \n, \r and a doubled backslash are escapes, any other backslash
// stands for itself.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

inline std::string DecodeTsvField(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char next = i + 1 < field.size() ? field[i + 1] : '\0';
        if (field[i] != '\\' || (next != 't' && next != 'n' && next != 'r' && next != '\\')) {
            text += field[i];
            continue;
        }
        text += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
        ++i;
    }
    return text;
}

inline std::vector<std::string> TsvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(DecodeTsvField(line.substr(start, tab - start)));
    }
    fields.push_back(DecodeTsvField(line.substr(start)));
    return fields;
}

// Every line of a TSV output, each as its decoded fields.
inline std::vector<std::vector<std::string>> TsvRecords(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) records.push_back(TsvFields(line));
    return records;
}

}  // namespace testing_support
