#pragma once

// Pages of the help file, below its "html\" folder (ShowHelpTopic).
constexpr char kHelpCreatingExe[] = "feature\\creating\\01creatingExe.htm";
constexpr char kHelpCreatingJar[] = "feature\\creating\\02creatingJar.htm";
constexpr char kHelpUserIcon[] = "related\\usericon.htm";
constexpr char kHelpFileOptions[] = "options\\FileOps.htm#Remark";
