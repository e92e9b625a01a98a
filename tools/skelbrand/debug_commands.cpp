#include "debug_commands.h"

#include "blank_text.h"
#include "run_options.h"

const char kNoClassText[] = "Please input a class name with package as 'Name'";
const char kNoMemberText[] = "Please input a method of the class as 'Method'";
const char kNoLineText[] = "Please input a line number";
const char kDebugStartRule[] = "====================================== Start debugging ...";

namespace {

const char kCommandRule[] = "--------------------------------------";

// The class the command names: a typed one trimmed, and refused when blank.
const char* TakeClass(const char* className, int typedClass, XString& out)
{
    out = typedClass ? TrimBlanks(className) : XString(className);
    if (typedClass && IsBlank(out.Data()))
        return kNoClassText;
    return nullptr;
}

// A member of the class: refused when blank (only a typed class's member
// is checked; the selected class's member comes from its own list).
const char* TakeMember(const char* member, int typedClass, const char* refusal, XString& out)
{
    out = typedClass ? TrimBlanks(member) : XString(member);
    if (typedClass && IsBlank(out.Data()))
        return refusal;
    return nullptr;
}

const char* Refuse(const char* refusal, XString& command)
{
    command.Assign("");
    return refusal;
}

}  // namespace

const char* ComposeStopIn(const char* className, const char* method, int typedClass, XString& command)
{
    XString cls;
    XString member;
    if (const char* refusal = TakeClass(className, typedClass, cls))
        return Refuse(refusal, command);
    if (const char* refusal = TakeMember(method, typedClass, kNoMemberText, member))
        return Refuse(refusal, command);
    command.Assign("stop in ");
    command.AppendString(cls).AppendChar('.');
    command.AppendString(member);
    return nullptr;
}

const char* ComposeStopAt(const char* className, const char* line, int typedClass, XString& command)
{
    XString cls;
    if (const char* refusal = TakeClass(className, typedClass, cls))
        return Refuse(refusal, command);
    // Both Sends need a line: jdb would take "stop at C:" as a bad command.
    const XString number = TrimBlanks(line);
    if (IsBlank(number.Data()))
        return Refuse(kNoLineText, command);
    command.Assign("stop at ");
    command.AppendString(cls).AppendChar(':');
    command.AppendString(number);
    return nullptr;
}

const char* ComposeWatch(WatchMode mode, WatchAccess access, const char* className, const char* field, int typedClass,
                         XString& command)
{
    XString cls;
    XString member;
    if (const char* refusal = TakeClass(className, typedClass, cls))
        return Refuse(refusal, command);
    if (const char* refusal = TakeMember(field, typedClass, kNoMemberText, member))
        return Refuse(refusal, command);
    command.Assign(mode == WatchMode::Unwatch ? "unwatch " : "watch ");
    if (access == WatchAccess::All)
        command.Append("all ");
    else if (access == WatchAccess::Access)
        command.Append("access ");
    command.AppendString(cls).AppendChar('.');
    command.AppendString(member);
    return nullptr;
}

const char* ComposeClassQuery(ClassQuery query, const char* className, int typedClass, XString& command)
{
    XString cls;
    if (const char* refusal = TakeClass(className, typedClass, cls))
        return Refuse(refusal, command);
    // "fields" is jdb's own command for a class's fields.
    static const char* const kWords[] = {"class ", "fields ", "methods "};
    command.Assign(kWords[static_cast<int>(query)]);
    command.AppendString(cls);
    return nullptr;
}

XString DebugCommandEcho(const char* command)
{
    XString echo("\n");
    echo.Append(kCommandRule);
    echo.AppendChar(' ');
    echo.Append(command);
    echo.AppendChar('\n');
    return echo;
}
