#pragma once

// Pages of the help file, below its "html\" folder (ShowHelpTopic).
constexpr char kHelpCreatingExe[] = "feature\\creating\\01creatingExe.htm";
constexpr char kHelpCreatingJar[] = "feature\\creating\\02creatingJar.htm";
constexpr char kHelpUserIcon[] = "related\\usericon.htm";
constexpr char kHelpFileOptions[] = "options\\FileOps.htm#Remark";
constexpr char kHelpCpSystem[] = "options\\classpaths\\system.htm";
constexpr char kHelpCpUser[] = "options\\classpaths\\user.htm";
constexpr char kHelpCpSibling[] = "options\\classpaths\\sibling.htm";
constexpr char kHelpCpOneForAll[] = "options\\classpaths\\oneforall.htm";
constexpr char kHelpCpUserOptions[] = "options\\userclasspathOps.htm";
