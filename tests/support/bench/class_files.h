#pragma once

// The class files of a folder tree, for the benchmarks that run over a JDK's
// extracted classes. POSIX only: the benchmarks are native.
#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

inline void CollectClassFiles(const std::string& dir, std::vector<std::string>& files)
{
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = dir + "/" + name;
        struct stat st;
        if (stat(path.c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode))
            CollectClassFiles(path, files);
        else if (name.size() > 6 && name.compare(name.size() - 6, 6, ".class") == 0)
            files.push_back(path);
    }
    closedir(d);
}
