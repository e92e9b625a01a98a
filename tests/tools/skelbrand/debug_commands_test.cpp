#include "debug_commands.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One row: what the dialog composes from its inputs, or its refusal.
struct Row {
    const char* name;
    const char* (*compose)(const char* cls, const char* member, int typedClass, XString& command);
    const char* cls;
    const char* member;
    int typedClass;
    const char* command;  // null when refused
    const char* refusal;
};

const char* StopIn(const char* cls, const char* member, int typedClass, XString& command)
{
    return ComposeStopIn(cls, member, typedClass, command);
}
const char* StopAt(const char* cls, const char* member, int typedClass, XString& command)
{
    return ComposeStopAt(cls, member, typedClass, command);
}
template <WatchMode mode, WatchAccess access>
const char* Watch(const char* cls, const char* member, int typedClass, XString& command)
{
    return ComposeWatch(mode, access, cls, member, typedClass, command);
}
template <ClassQuery query>
const char* Query(const char* cls, const char*, int typedClass, XString& command)
{
    return ComposeClassQuery(query, cls, typedClass, command);
}

TEST(DebugCommands, EachDialogComposesItsCommandOrRefusesWithItsText)
{
    const Row rows[] = {
        {"stop in selected", StopIn, "demo.Main", "main", 0, "stop in demo.Main.main", nullptr},
        {"stop in typed, trimmed", StopIn, "  demo.Main ", " run  ", 1, "stop in demo.Main.run", nullptr},
        {"stop in blank class", StopIn, "   ", "main", 1, nullptr, kNoClassText},
        {"stop in empty class", StopIn, "", "main", 1, nullptr, kNoClassText},
        {"stop in blank method", StopIn, "demo.Main", "  ", 1, nullptr, kNoMemberText},
        {"stop in tab is text", StopIn, "\t", "m", 1, "stop in \t.m", nullptr},
        {"stop at selected", StopAt, "demo.Main", "12", 0, "stop at demo.Main:12", nullptr},
        {"stop at typed", StopAt, " p.Q ", " 7 ", 1, "stop at p.Q:7", nullptr},
        {"stop at blank line, selected", StopAt, "demo.Main", " ", 0, nullptr, kNoLineText},
        {"stop at blank line, typed", StopAt, "demo.Main", "", 1, nullptr, kNoLineText},
        {"stop at blank class first", StopAt, " ", "", 1, nullptr, kNoClassText},
        {"watch default", Watch<WatchMode::Watch, WatchAccess::Default>, "p.Q", "count", 0, "watch p.Q.count",
         nullptr},
        {"watch all", Watch<WatchMode::Watch, WatchAccess::All>, "p.Q", "count", 0, "watch all p.Q.count", nullptr},
        {"watch access", Watch<WatchMode::Watch, WatchAccess::Access>, "p.Q", "count", 1, "watch access p.Q.count",
         nullptr},
        {"unwatch default", Watch<WatchMode::Unwatch, WatchAccess::Default>, "p.Q", "f", 0, "unwatch p.Q.f",
         nullptr},
        {"unwatch all", Watch<WatchMode::Unwatch, WatchAccess::All>, "p.Q", "f", 0, "unwatch all p.Q.f", nullptr},
        {"unwatch access", Watch<WatchMode::Unwatch, WatchAccess::Access>, "p.Q", "f", 0, "unwatch access p.Q.f",
         nullptr},
        {"watch blank field", Watch<WatchMode::Watch, WatchAccess::All>, "p.Q", " ", 1, nullptr, kNoMemberText},
        {"watch blank class", Watch<WatchMode::Unwatch, WatchAccess::All>, "", "f", 1, nullptr, kNoClassText},
        {"class", Query<ClassQuery::Class>, "demo.Main", "", 0, "class demo.Main", nullptr},
        {"fields", Query<ClassQuery::Fields>, " demo.Main ", "", 1, "fields demo.Main", nullptr},
        {"methods", Query<ClassQuery::Methods>, "demo.Main", "", 0, "methods demo.Main", nullptr},
        {"class blank", Query<ClassQuery::Methods>, "  ", "", 1, nullptr, kNoClassText},
    };
    for (const Row& row : rows) {
        XString command("stale");
        const char* refusal = row.compose(row.cls, row.member, row.typedClass, command);
        if (row.command) {
            EXPECT_EQ(refusal, nullptr) << row.name;
            EXPECT_STREQ(command.Data(), row.command) << row.name;
        } else {
            EXPECT_EQ(refusal, row.refusal) << row.name;
            EXPECT_STREQ(command.Data(), "") << row.name;
        }
    }
}

TEST(DebugCommands, RefusalTextsAndEchoAreTheSystemsOwn)
{
    EXPECT_STREQ(kNoClassText, "Please input a class name with package as 'Name'");
    EXPECT_STREQ(kNoMemberText, "Please input a method of the class as 'Method'");
    EXPECT_STREQ(kNoLineText, "Please input a line number");
    EXPECT_EQ(std::string(kDebugStartRule), std::string(38, '=') + " Start debugging ...");
    EXPECT_EQ(std::string(DebugCommandEcho("step up").Data()), "\n" + std::string(38, '-') + " step up\n");
}

}  // namespace
