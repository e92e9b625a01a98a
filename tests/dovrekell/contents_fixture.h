#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "contents_memory.h"
#include "docs_scan.h"
#include "support/test_files.h"

// The scan's lines: one per item, two blanks per level.
inline std::vector<std::string> DumpContents(const ContentsMemory& tree)
{
    std::vector<std::string> lines;
    struct Walker {
        std::vector<std::string>& lines;
        void Visit(const ContentsMemory::Node& node, int depth)
        {
            lines.push_back(std::string(2 * depth, ' ') + node.text.Data());
            for (const auto& child : node.children)
                Visit(*child, depth + 1);
        }
    } walker{lines};
    for (const auto& root : tree.Roots())
        walker.Visit(*root, 0);
    return lines;
}

// The Contents tree that the fixture documentation folder (built by the
// tests: see BuildFixtureDocs) must give with the user group "txt;XML",
// children in name order.
inline const std::vector<std::string>& ExpectedFixtureContents()
{
    static const std::vector<std::string> lines = {
        "Document",
        "  api",
        "    java",
        "      lang",
        "        Object",
        "        String",
        "        StringBuilder",
        "  index",
        "  specs",
        "    intro",
        "Java",
        "  demo",
        "    Demo.java",
        "  specs",
        "    Hello.java",
        "Class",
        "  demo",
        "    Demo.class",
        "Jar & Zip",
        "  demo",
        "    demo.jar",
        "Txt & Xml",
        "  config.XML",
        "  notes.txt",
        "Utilities",
        "  README",
        "  api",
        "    package-list",
        "    stylesheet.css",
    };
    return lines;
}

// Relative paths ('/' separated) of the fixture documentation folder's files.
inline const std::vector<std::string>& FixtureDocsFiles()
{
    static const std::vector<std::string> files = {
        "index.html",
        "api/java/lang/Object.html",
        "api/java/lang/String.html",
        "api/java/lang/StringBuilder.html",
        "api/package-list",
        "api/stylesheet.css",
        "specs/intro.htm",
        "specs/Hello.java",
        "images/logo.gif",
        "images/deep/bg.png",
        "demo/Demo.java",
        "demo/Demo.class",
        "demo/demo.jar",
        "notes.txt",
        "config.XML",
        "README",
        "tool.exe",
    };
    return files;
}

inline void TouchFixtureFile(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

// Builds the fixture documentation folder "<scratch>/<name>/docs"; its path.
inline std::string BuildFixtureDocs(const std::string& name)
{
    const std::filesystem::path docs = std::filesystem::path(ScratchPath(name)) / "docs";
    for (const std::string& file : FixtureDocsFiles())
        TouchFixtureFile(docs / file);
    return docs.string();
}
