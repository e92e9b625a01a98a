#pragma once

#include <string>

// Files for tests: checked-in data under tests/, and a fresh scratch folder
// per test binary that is removed when the binary ends.
std::string TestDataPath(const std::string& relative);
std::string ScratchDir();
std::string ScratchPath(const std::string& name);

// The path with every '/' turned into '\\', as Windows APIs print paths.
std::string WindowsPath(std::string path);

std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);
