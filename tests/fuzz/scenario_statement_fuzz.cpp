// One statement of a scenario file: either refused as malformed or split into
// words; the words written back, each quoted with its escapes, split into the
// same words again.
#include "scenario/scenario_runner.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    try {
        words = bulbicalc::splitStatement(line);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    std::string again;
    for (const auto& word : words)
        again += bulbicalc::inQuotes(word) + " ";
    if (bulbicalc::splitStatement(again) != words)
        std::abort();
    return 0;
}
