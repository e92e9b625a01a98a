#include "main_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

PathKind Probe(const char* path)
{
    static const std::map<std::string, PathKind> disk = {{"C:\\w", PathKind::Folder},
                                                         {"C:\\w\\sub", PathKind::Folder},
                                                         {"C:\\w\\A.class", PathKind::File},
                                                         {"C:\\w\\B.java", PathKind::File},
                                                         {"C:\\w\\r.txt", PathKind::File}};
    const auto found = disk.find(path);
    return found == disk.end() ? PathKind::Missing : found->second;
}

const std::string kOptions = "***************************** options from main program\n";
const std::string kSelections = "***************************** Windows explorer selections\n";
const std::string kIndent(30, ' ');

std::string Label(const std::string& label)
{
    return label + std::string(30 - label.size(), ' ');
}

std::string Report(const char* payload, int filesOnly, ToolKind kind, const char* extension = "class")
{
    ZInsideInfo info(extension, Probe);
    info.Parse(payload);
    return BuildReport(info, filesOnly, kind).Data();
}

TEST(MainReport, ListsOfTwoOrMoreStandBetweenEmptyLinesAndOneItemDoesNot)
{
    const std::string report =
        Report("1\xA5" "0\xA5" "C:\\a.jar;C:\\b.zip;\xA5" "C:\\u.jar;\xA5\xA5" "C:\\s1;C:\\s2\xA5" "1\nC:\\w\xA5", 0,
               ToolKind::ExecuteDebug);
    EXPECT_EQ(report, kOptions + Label("Auto-detect Jars") + "true\n" + Label("Auto-detect Zips") + "false\n" + "\n" +
                          Label("System classpaths") + "C:\\a.jar;\n" + kIndent + "C:\\b.zip;\n" + "\n" +
                          Label("User zipped classpaths") + "C:\\u.jar;\n" + Label("User naked classpaths") + "\n" +
                          "\n" + Label("Sibling classpaths") + "C:\\s1;\n" + kIndent + "C:\\s2;\n" + "\n" +
                          kSelections + Label("Selected count") + "1\n" + Label("Start directory") + "C:\\w" +
                          "          (will be searched)\n");
}

TEST(MainReport, TheSelectionBlocksOfBothTools)
{
    const char* several = "0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "4\nC:\\w\\sub\nC:\\w\\A.class\nC:\\w\\B.java\nC:\\w\\r.txt\xA5";
    const std::string head = kOptions + Label("Auto-detect Jars") + "false\n" + Label("Auto-detect Zips") +
                             "false\n" + Label("System classpaths") + "\n" + Label("User zipped classpaths") + "\n" +
                             Label("User naked classpaths") + "\n" + Label("Sibling classpaths") + "\n" + "\n" +
                             kSelections;
    const std::string start = Label("Selected count") + "4\n" + Label("Start directory") + "C:\\w          (completed)\n" +
                              Label("Sub-directories") + "C:\\w\\sub\n\n";
    EXPECT_EQ(Report(several, 0, ToolKind::ExecuteDebug),
              head + start + Label("class files") + "C:\\w\\A.class\n\n" + Label("Other files") + "C:\\w\\B.java\n" +
                  kIndent + "C:\\w\\r.txt\n\n");
    EXPECT_EQ(Report(several, 1, ToolKind::ExecuteDebug), head + start + Label("class files") + "C:\\w\\A.class\n\n");
    EXPECT_EQ(Report(several, 1, ToolKind::Compile, "java"), head + start + Label("Java files") + "C:\\w\\B.java\n\n");
    EXPECT_EQ(Report("0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "0\n\xA5", 0, ToolKind::Compile, "java"),
              head + Label("Selected count") + "0\n" + Label("Start directory") +
                  "driver              (error: not allowed)\n");
}

TEST(MainReport, VisibleButtonsOfEverySelectionKind)
{
    const struct {
        const char* selection;
        ToolKind kind;
        MainButtons previous;
        MainButtons shown;
    } cases[] = {
        {"0\n", ToolKind::ExecuteDebug, {1, 1, 0}, {0, 0, 1}},
        {"1\nC:\\w", ToolKind::ExecuteDebug, {0, 0, 1}, {1, 1, 0}},
        {"2\nC:\\w\\sub\nC:\\w\\A.class", ToolKind::ExecuteDebug, {0, 0, 1}, {0, 1, 0}},
        {"2\nC:\\w\\sub\nC:\\w\\A.class", ToolKind::ExecuteDebug, {1, 0, 0}, {1, 1, 0}},
        {"1\nC:\\w\\A.class", ToolKind::ExecuteDebug, {0, 0, 1}, {1, 0, 0}},
        {"1\nC:\\w\\r.txt", ToolKind::ExecuteDebug, {1, 1, 0}, {0, 0, 1}},
        {"0\n", ToolKind::Compile, {1, 1, 0}, {0, 0, 1}},
        {"1\nC:\\w", ToolKind::Compile, {0, 0, 0}, {0, 1, 0}},
        {"2\nC:\\w\\sub\nC:\\w\\B.java", ToolKind::Compile, {0, 0, 0}, {1, 1, 0}},
        {"1\nC:\\w\\B.java", ToolKind::Compile, {0, 0, 0}, {1, 0, 0}},
        {"1\nC:\\w\\A.class", ToolKind::Compile, {1, 1, 0}, {0, 0, 1}},
    };
    for (const auto& c : cases) {
        ZInsideInfo info(c.kind == ToolKind::Compile ? "java" : "class", Probe);
        info.Parse((std::string("0\xA5" "0\xA5\xA5\xA5\xA5\xA5") + c.selection + "\xA5").c_str());
        const MainButtons shown = VisibleMainButtons(info, c.kind, c.previous);
        EXPECT_EQ(shown.first, c.shown.first) << c.selection;
        EXPECT_EQ(shown.second, c.shown.second) << c.selection;
        EXPECT_EQ(shown.error, c.shown.error) << c.selection;
    }
}

}  // namespace
