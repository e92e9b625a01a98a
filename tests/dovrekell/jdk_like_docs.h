#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A documentation folder shaped like a JDK's API bundle (modules, packages,
// a class page and a class-use page per class, index files, scripts and
// pictures, specs, a few sources, classes and archives), of the real bundle's
// size: 10,289 files in 630 folders. The same names every time.
namespace jdk_like_docs {

constexpr int kFiles = 10289;
constexpr int kFolders = 630;

struct Layout {
    std::vector<std::string> folders;  // relative, '/' separated, parents first
    std::vector<std::string> files;
};

inline Layout Plan()
{
    static const char* const kPrefixes[] = {
        "Abstract", "Buffered", "Concurrent", "Default", "Hash",   "Linked", "Array",  "Tree",   "Weak",   "Atomic",
        "Base",     "Simple",   "Local",      "Remote",  "Secure", "Zip",    "Jar",    "Object", "String", "Char",
        "Byte",     "Data",     "File",       "Path",    "Stream", "Socket", "Url",    "Text",   "Image",  "Color",
        "Font",     "Event",    "Action",     "Key",     "Mouse",  "Window", "Frame",  "Panel",  "Border", "Layout"};
    static const char* const kSuffixes[] = {
        "Map",     "List",    "Set",     "Queue",   "Reader",  "Writer",  "Builder", "Factory", "Handler", "Listener",
        "Exception", "Error", "Provider", "Service", "Context", "Manager", "Support", "Util",   "Utils",   "Info",
        "Spec",    "Format",  "Parser",  "Buffer",  "Channel", "Entry",   "Node",    "Element", "Value",   "Type"};
    static const char* const kRoots[] = {"java", "javax", "jdk", "com", "org"};
    static const char* const kWords[] = {"lang", "util", "io", "net", "nio", "text", "time", "security", "awt",
                                         "swing", "sql", "xml", "crypto", "management", "naming", "print", "sound",
                                         "tools", "script", "rmi", "beans", "event", "image", "spi", "font"};
    constexpr int kModules = 70;
    constexpr int kPackages = 240;
    constexpr int kNames = 40 * 30;

    Layout layout;
    auto folder = [&](const std::string& path) { layout.folders.push_back(path); };
    auto file = [&](const std::string& path) { layout.files.push_back(path); };

    file("index.html");
    for (const char* top : {"api", "specs", "legal"})
        folder(top);
    for (const char* page : {"index.html", "overview-tree.html", "overview-summary.html", "help-doc.html",
                             "allclasses-index.html", "allpackages-index.html", "deprecated-list.html",
                             "constant-values.html", "serialized-form.html", "search.html", "element-list",
                             "stylesheet.css", "script.js", "search.js", "module-search-index.js",
                             "package-search-index.js", "type-search-index.js", "member-search-index.js",
                             "tag-search-index.js", "jquery-ui.overrides.css"})
        file(std::string("api/") + page);
    folder("api/index-files");
    for (int i = 1; i <= 27; ++i)
        file("api/index-files/index-" + std::to_string(i) + ".html");
    folder("api/resources");
    for (const char* picture : {"glass.png", "x.png", "copy.svg"})
        file(std::string("api/resources/") + picture);
    folder("api/script-dir");
    for (const char* script : {"jquery-3.6.0.min.js", "jquery-ui.min.js", "jquery-ui.min.css"})
        file(std::string("api/script-dir/") + script);
    for (const char* legal : {"COPYRIGHT", "LICENSE", "jquery.md", "ADDITIONAL_LICENSE_INFO"})
        file(std::string("legal/") + legal);
    // What a user copies in beside the pages: sources, classes, archives.
    for (const char* extra : {"specs/Sample.java", "specs/Sample.class", "specs/Inner$1.class", "specs/demo.jar",
                              "specs/demo.zip", "specs/notes.txt", "specs/README"})
        file(extra);

    int package = 0;
    for (int module = 0; module < kModules; ++module) {
        const std::string root = kRoots[module % 5];
        const std::string moduleFolder = "api/" + root + "." + kWords[module % 25] + std::to_string(module);
        folder(moduleFolder);
        file(moduleFolder + "/module-summary.html");
        folder(moduleFolder + "/" + root);
        const int packages = kPackages / kModules + (module < kPackages % kModules ? 1 : 0);
        for (int p = 0; p < packages; ++p, ++package) {
            const std::string packageFolder =
                moduleFolder + "/" + root + "/" + kWords[(package * 7) % 25] + std::to_string(package);
            folder(packageFolder);
            folder(packageFolder + "/class-use");
            for (const char* page : {"package-summary.html", "package-tree.html", "package-use.html"})
                file(packageFolder + "/" + page);
            const int classes = 19 + package % 2;
            for (int c = 0; c < classes; ++c) {
                const int name = (package * 131 + c) % kNames;
                const std::string title = std::string(kPrefixes[name / 30]) + kSuffixes[name % 30];
                file(packageFolder + "/" + title + ".html");
                file(packageFolder + "/class-use/" + title + ".html");
            }
        }
    }
    // The rest of the bundle's size as pages of its specs folder, a folder at a time.
    int extraFolder = 0;
    while (static_cast<int>(layout.folders.size()) < kFolders)
        folder("specs/part" + std::to_string(extraFolder++));
    for (int page = 0; static_cast<int>(layout.files.size()) < kFiles; ++page)
        file("specs/part" + std::to_string(page % extraFolder) + "/page" + std::to_string(page) + ".html");
    return layout;
}

// Builds the folder "<base>/docs" (once: a later call finds it complete) and
// returns its path.
inline std::string Build(const std::string& base)
{
    namespace fs = std::filesystem;
    const fs::path docs = fs::path(base) / "docs";
    const fs::path done = fs::path(base) / "complete";
    if (fs::exists(done))
        return docs.string();
    const Layout layout = Plan();
    fs::create_directories(docs);
    for (const std::string& folder : layout.folders)
        fs::create_directories(docs / folder);
    for (const std::string& file : layout.files)
        std::ofstream(docs / file) << "x";
    std::ofstream(done) << "x";
    return docs.string();
}

}  // namespace jdk_like_docs
