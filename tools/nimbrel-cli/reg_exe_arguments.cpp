#include "tools/nimbrel-cli/reg_exe_arguments.h"

#include <algorithm>
#include <cctype>

namespace cli {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::vector<std::string> WithRegExeSwitchesTranslated(const std::vector<std::string>& arguments) {
    std::vector<std::string> translated;
    bool inReg = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!inReg) {
            translated.push_back(argument);
            if (argument == "--home" && i + 1 < arguments.size()) {
                translated.push_back(arguments[++i]);
            } else if (argument == "reg") {
                inReg = true;
            }
            continue;
        }
        const std::string word = Lower(argument);
        if (word == "/v") {
            translated.push_back("--value");
        } else if (word == "/ve") {
            translated.insert(translated.end(), {"--value", ""});
        } else if (word == "/t") {
            translated.push_back("--type");
        } else if (word == "/d") {
            translated.push_back("--data");
        } else if (word == "/f") {
            translated.push_back("--force");
        } else {
            translated.push_back(argument);
        }
        // The word after a switch that takes one is its value, whatever it looks like.
        if ((word == "/v" || word == "/t" || word == "/d" || word == "--value" || word == "--type" ||
             word == "--data" || word == "--out" || word == "--home") &&
            i + 1 < arguments.size()) {
            translated.push_back(arguments[++i]);
        }
    }
    return translated;
}

}  // namespace cli
