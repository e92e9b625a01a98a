#include "payloads.h"

#include <cstdio>

namespace {

void Field(XString& payload, const char* text)
{
    payload.Append(text);
    payload.AppendChar(INFO_SEPARATOR);
}

void Field(XString& payload, const XString& text)
{
    payload.AppendString(text);
    payload.AppendChar(INFO_SEPARATOR);
}

void Flag(XString& payload, bool value)
{
    payload.AppendChar(value ? '1' : '0');
    payload.AppendChar(INFO_SEPARATOR);
}

void ClassPathFields(XString& payload, const ClassPathRecord& record)
{
    Field(payload, record.systemClassPath);
    Field(payload, record.userZipClassPath);
    Field(payload, record.userDirClassPath);
    Field(payload, record.siblingClassPath);
}

using reserved_bytes::CarriedText;

constexpr int kClassPathFields = 4;

// The record's four texts as carried fields, into texts[0..3].
void ClassPathTexts(const ClassPathRecord& record, CarriedText* texts)
{
    texts[0] = {"system class path", &record.systemClassPath, reserved_bytes::kFieldEndOnly};
    texts[1] = {"user class path of archives", &record.userZipClassPath, reserved_bytes::kFieldEndOnly};
    texts[2] = {"user class path of folders", &record.userDirClassPath, reserved_bytes::kFieldEndOnly};
    texts[3] = {"sibling class path", &record.siblingClassPath, reserved_bytes::kFieldEndOnly};
}

// The record's four texts, then one more field.
int CheckClassPathsAnd(const ClassPathRecord& record, const char* name, const char* text, XString& message)
{
    const XString last(text);
    CarriedText texts[kClassPathFields + 1];
    ClassPathTexts(record, texts);
    texts[kClassPathFields] = {name, &last, reserved_bytes::kFieldEndOnly};
    return reserved_bytes::CheckCarriedTexts(texts, kClassPathFields + 1, message);
}

}  // namespace

int CheckInsideInfo(const ClassPathRecord& record, const char* selection, XString& message)
{
    return CheckClassPathsAnd(record, "selection", selection, message);
}

int CheckClassInfoPayload(const ClassPathRecord& record, const char* otherOptions, XString& message)
{
    return CheckClassPathsAnd(record, "other Java options", otherOptions, message);
}

int CheckDoubleClickPayload(const DoubleClickClass& target, const ClassPathRecord& record, const char* mainArgs,
                            const char* otherOptions, XString& message)
{
    const XString args(mainArgs);
    const XString options(otherOptions);
    CarriedText texts[kClassPathFields + 3];
    ClassPathTexts(record, texts);
    texts[kClassPathFields] = {"arguments for main()", &args, reserved_bytes::kFieldEndOnly};
    texts[kClassPathFields + 1] = {"class folder", &target.rootFolder, reserved_bytes::kFieldEndOnly};
    texts[kClassPathFields + 2] = {"other Java options", &options, reserved_bytes::kFieldEndOnly};
    return reserved_bytes::CheckCarriedTexts(texts, kClassPathFields + 3, message);
}

XString InsideInfo(const ClassPathRecord& record, const char* selection)
{
    XString payload;
    Flag(payload, record.autoDetectJars);
    Flag(payload, record.autoDetectZips);
    ClassPathFields(payload, record);
    Field(payload, selection);
    return payload;
}

XString ClassInfoPayload(const ClassPathRecord& record, const char* otherOptions, const char* classFile)
{
    XString payload;
    Flag(payload, record.autoDetectJars);
    Flag(payload, record.autoDetectZips);
    ClassPathFields(payload, record);
    Field(payload, otherOptions);
    payload.Append(classFile);
    return payload;
}

XString DoubleClickPayload(bool runFlag, const DoubleClickClass& target, const DoubleClickOptions& options,
                           const ClassPathRecord& record, const char* mainArgs, const char* otherOptions)
{
    XString payload;
    Flag(payload, runFlag);
    Flag(payload, target.runApplication);
    Flag(payload, target.runApplet);
    Flag(payload, options.monitorStreams);
    char size[32];
    std::snprintf(size, sizeof size, "%d%c%d%c", options.appletWidth, INFO_SEPARATOR, options.appletHeight,
                  INFO_SEPARATOR);
    payload.Append(size);
    Flag(payload, record.autoDetectJars);
    Flag(payload, record.autoDetectZips);
    ClassPathFields(payload, record);
    Field(payload, mainArgs);
    Field(payload, target.rootFolder);
    Field(payload, otherOptions);
    payload.AppendString(target.qualifiedName);
    return payload;
}

XString ProgramCommand(const char* folder, const char* program, const char* rest)
{
    XString command("\"");
    command.Append(folder);
    command.AppendChar('\\');
    command.Append(program);
    command.AppendChar('"');
    command.Append(rest);
    return command;
}
