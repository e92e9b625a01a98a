#include "compile_command.h"

#include <gtest/gtest.h>

#include <string>

#include "classpath_quote.h"
#include "process/argument_file.h"

namespace {

std::string S(const XString& text)
{
    return std::string(text.Data(), static_cast<size_t>(text.Length()));
}

const char kJavac[] = "C:\\jdk\\bin\\javac.exe";
const char kUnit[] = "\"C:\\p\\a\\A.java\"\n\"C:\\p\\a\\B.java\"\n";

struct Case {
    const char* name;
    const char* classPath;  // as the payload gives it, before quoting
    int output;
    int flags;  // bits: g, deprecation, nowarn, verbose
    const char* target;
    const char* userCommand;  // null: "Do not use user command"
    const char* command;      // display form of the command
    const char* display;      // X
    const char* run;          // Y
};

const Case kCases[] = {
    {"bare", "", kOutputDefault, 0, "", nullptr, "\"C:\\jdk\\bin\\javac.exe\"\n",
     "\"C:\\jdk\\bin\\javac.exe\"\n\n\"C:\\p\\a\\A.java\"\n\"C:\\p\\a\\B.java\"\n",
     "\"C:\\jdk\\bin\\javac.exe\"  \"C:\\p\\a\\A.java\" \"C:\\p\\a\\B.java\" "},
    {"all options", "C:\\lib\\x.jar;", kOutputLocal, 15, "1.8", "-encoding UTF-8\r\n-Xlint:all",
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"C:\\lib\\x.jar\";\n\xB6-deprecation\n-g\n-nowarn\n-verbose\n"
     "-target 1.8\n-encoding UTF-8 -Xlint:all\n",
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"C:\\lib\\x.jar\";\n\n-deprecation\n-g\n-nowarn\n-verbose\n"
     "-target 1.8\n-encoding UTF-8 -Xlint:all\n\n-d .\n\n\"C:\\p\\a\\A.java\"\n\"C:\\p\\a\\B.java\"\n",
     "\"C:\\jdk\\bin\\javac.exe\" -classpath \"C:\\lib\\x.jar\"; -deprecation -g -nowarn -verbose -target 1.8 "
     "-encoding UTF-8 -Xlint:all  -d .  \"C:\\p\\a\\A.java\" \"C:\\p\\a\\B.java\" "},
    {"output folder", "C:\\lib\\x.jar;C:\\classes;", kOutputFolder, 0, "", nullptr,
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"C:\\lib\\x.jar\";\n\"C:\\classes\";\n",
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"C:\\lib\\x.jar\";\n\"C:\\classes\";\n\n-d\n\"C:\\out dir\"\n\n"
     "\"C:\\p\\a\\A.java\"\n\"C:\\p\\a\\B.java\"\n",
     "\"C:\\jdk\\bin\\javac.exe\" -classpath \"C:\\lib\\x.jar\";\"C:\\classes\"; -d \"C:\\out dir\"  "
     "\"C:\\p\\a\\A.java\" \"C:\\p\\a\\B.java\" "},
    {"root entry", "D:\\;C:\\lib\\x.jar;", kOutputDefault, 2, "", "", 
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"D:\\\\\";\n\"C:\\lib\\x.jar\";\n\xB6-deprecation\n\n",
     "\"C:\\jdk\\bin\\javac.exe\"\n\n-classpath\n\"D:\\\\\";\n\"C:\\lib\\x.jar\";\n\n-deprecation\n\n\n"
     "\"C:\\p\\a\\A.java\"\n\"C:\\p\\a\\B.java\"\n",
     "\"C:\\jdk\\bin\\javac.exe\" -classpath \"D:\\\\\";\"C:\\lib\\x.jar\"; -deprecation  \"C:\\p\\a\\A.java\" "
     "\"C:\\p\\a\\B.java\" "},
};

TEST(CompileCommand, CommandDisplayAndRunTexts)
{
    for (const Case& c : kCases) {
        CompileOptions options;
        options.output = c.output;
        options.outputFolder = "C:\\out dir";
        options.g = c.flags & 1;
        options.deprecation = (c.flags >> 1) & 1;
        options.nowarn = (c.flags >> 2) & 1;
        options.verbose = (c.flags >> 3) & 1;
        options.target = c.target;
        options.noUserCommand = c.userCommand ? 0 : 1;
        options.userCommand = c.userCommand ? c.userCommand : "ignored";
        const XString display =
            DisplayCommand(CompileCommand(kJavac, QuoteClasspathList(c.classPath), CompileOptionsText(options)));
        EXPECT_EQ(S(display), c.command) << c.name;
        const UnitCommand texts = UnitCommandTexts(display, OutputOptionText(options), XString(kUnit));
        EXPECT_EQ(S(texts.display), c.display) << c.name;
        EXPECT_EQ(S(texts.run), c.run) << c.name;
        EXPECT_EQ(S(texts.run).find_first_of("\r\n\xB6"), std::string::npos) << c.name;
    }
}

TEST(CompileCommand, OutputChoices)
{
    CompileOptions options;
    options.outputFolder = "C:\\out\\";
    options.output = kOutputLocal;
    EXPECT_EQ(S(OutputOptionText(options)), "\xB6-d .\n");
    options.output = kOutputDefault;
    EXPECT_EQ(S(OutputOptionText(options)), "");
    // No ';' behind the folder, and a trailing backslash cannot escape the quote.
    options.output = kOutputFolder;
    EXPECT_EQ(S(OutputOptionText(options)), "\xB6-d\n\"C:\\out\\\\\"\n");
}

TEST(CompileCommand, RootClassPathQuotesEachNameInTheBase)
{
    const char* names[] = {"a.jar", "b.zip"};
    EXPECT_EQ(S(RootClassPath("C:\\w", names, 2)), "\"C:\\w\\a.jar\";\"C:\\w\\b.zip\";");
}

// The run text's length decides: one character past the longest command line
// and the names go into an argument file, whose text javac reads back as the
// same names; the run names the file instead.
TEST(CompileCommand, TooLongARunTakesItsNamesFromAnArgumentFile)
{
    CompileOptions options;
    const XString display = DisplayCommand(CompileCommand(kJavac, XString(), XString()));
    const XString output = OutputOptionText(options);
    const int empty = UnitCommandTexts(display, output, XString("\"\"\n")).run.Length();
    for (const int extra : {0, 1}) {
        const std::string name(static_cast<size_t>(kLongestCommandLine - empty + extra), 'a');
        const UnitCommand texts = UnitCommandTexts(display, output, XString(("\"" + name + "\"\n").c_str()));
        EXPECT_EQ(texts.run.Length(), kLongestCommandLine + extra);
        EXPECT_EQ(NeedsArgumentFile(texts), extra == 1);
    }
    EXPECT_EQ(S(UnitArgumentList(XString("\"C:\\a b\\One.java\"\n\"C:\\c\\Two.java\"\n"))),
              "\"C:\\\\a b\\\\One.java\"\r\n\"C:\\\\c\\\\Two.java\"\r\n");
    EXPECT_EQ(S(UnitArgumentList(XString())), "");
    EXPECT_EQ(S(ArgumentFileRunText(display, output, "C:\\q\\temp\\javacfiles.txt")),
              "\"C:\\jdk\\bin\\javac.exe\"  -d .  @\"C:\\q\\temp\\javacfiles.txt\" ");
}

}  // namespace
