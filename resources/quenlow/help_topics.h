#pragma once

// Pages of the help file, below its "html\" folder (ShowHelpTopic).
constexpr char kHelpCreatingExe[] = "feature\\creating\\01creatingExe.htm";
constexpr char kHelpCreatingJar[] = "feature\\creating\\02creatingJar.htm";
constexpr char kHelpUserIcon[] = "related\\usericon.htm";
constexpr char kHelpFileOptions[] = "options\\FileOps.htm#Remark";
constexpr char kHelpMenuStyle[] = "Options\\ContextMenuStyle.htm";
constexpr char kHelpOtherJava[] = "options\\OtherJavaOps.htm";
constexpr char kHelpMainArgs[] = "options\\Argsofmain.htm";
constexpr char kHelpDoubleClick[] = "feature\\explorer\\03doubleclick.htm";
constexpr char kHelpFileOptionsPage[] = "options\\FileOps.htm";
constexpr char kHelpIconOptions[] = "options\\IconOps.htm";
constexpr char kHelpJavaProperties[] = "information\\javaproperty.htm";
constexpr char kHelpCpSystem[] = "options\\classpaths\\system.htm";
constexpr char kHelpCpUser[] = "options\\classpaths\\user.htm";
constexpr char kHelpCpSibling[] = "options\\classpaths\\sibling.htm";
constexpr char kHelpCpOneForAll[] = "options\\classpaths\\oneforall.htm";
constexpr char kHelpCpUserOptions[] = "options\\userclasspathOps.htm";
