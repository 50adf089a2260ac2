// Fails unless every message, question and prompt of the game was shown by some test.
// `everymessage CATALOGUE LOG` reads the game's texts from the catalogue (tests/messages.txt,
// where "{}" stands for a name or a number) and the texts the tests logged as they showed them.
#include <fstream>
#include <iostream>
#include <regex>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines(const char* path) {
    std::vector<std::string> read;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#') read.push_back(line);
    return read;
}

// The text as a pattern: literal throughout, with "{}" for any run of characters.
std::regex pattern(const std::string& text) {
    static const std::regex special(R"([.^$|()\[\]*+?\\])");
    std::string escaped = std::regex_replace(text, special, R"(\$&)");
    for (std::size_t at; (at = escaped.find("{}")) != std::string::npos;)
        escaped.replace(at, 2, ".*");
    return std::regex(escaped);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return std::cerr << "usage: everymessage CATALOGUE LOG\n", 2;
    const auto texts = lines(argv[1]), shown = lines(argv[2]);
    int missing = 0;
    for (const auto& text : texts) {
        const std::regex wanted = pattern(text);
        bool seen = false;
        for (const auto& line : shown)
            if ((seen = std::regex_match(line, wanted))) break;
        if (!seen) std::cout << "never shown by a test: \"" << text << "\"\n", ++missing;
    }
    std::cout << texts.size() - static_cast<std::size_t>(missing) << " of " << texts.size()
              << " messages, questions and prompts were shown by the tests\n";
    return texts.empty() || missing != 0;
}
