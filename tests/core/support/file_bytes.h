#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace bulbicalc::test {

// The whole file as bytes; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replaces the file with `bytes`.
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace bulbicalc::test
