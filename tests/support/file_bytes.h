#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);
bool FileExists(const std::string& path);

// Little-endian fields, as spool and metafile records hold them.
void AppendU32(Bytes& bytes, std::uint32_t value);
void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value);
std::uint32_t GetU32(const Bytes& bytes, std::size_t offset);
