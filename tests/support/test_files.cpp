#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

void RemoveTree(const std::string& dir)
{
#ifdef _WIN32
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = dir + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
#else
    std::string command = "rm -rf '" + dir + "'";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "could not remove %s\n", dir.c_str());
#endif
}

struct Scratch {
    std::string dir;
    Scratch()
    {
#ifdef _WIN32
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%squenlow-test-%lu-%lu", base, GetCurrentProcessId(), GetTickCount());
        CreateDirectoryA(name, nullptr);
        dir = name;
#else
        char name[] = "/tmp/quenlow-test-XXXXXX";
        if (mkdtemp(name))
            dir = name;
#endif
    }
    ~Scratch() { RemoveTree(dir); }
};

}  // namespace

std::string TestDataPath(const std::string& relative)
{
    std::string path = std::string(QUENLOW_TEST_DATA) + "/" + relative;
    for (char& c : path) {
        if (c == '/')
            c = kSeparator;
    }
    return path;
}

std::string ScratchDir()
{
    static Scratch scratch;
    return scratch.dir;
}

std::string ScratchPath(const std::string& name)
{
    return ScratchDir() + kSeparator + name;
}

std::string WindowsPath(std::string path)
{
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool FileExists(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return static_cast<bool>(in);
}

void RemoveFile(const std::string& path)
{
    std::remove(path.c_str());
}
