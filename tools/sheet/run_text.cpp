#include "run_text.h"

namespace {

constexpr int kRuleLength = 38;

const char* Word(RunWord word)
{
    switch (word) {
    case RunWord::Executing:
        return "executing";
    case RunWord::Debugging:
        return "debugging";
    default:
        return "compiling";
    }
}

XString Rule(int errorStream)
{
    XString rule;
    for (int i = 0; i < kRuleLength; ++i)
        rule.AppendChar(errorStream ? '*' : '=');
    return rule;
}

}  // namespace

XString RunStartBanner(int errorStream, RunWord word)
{
    XString banner = Rule(errorStream);
    banner.Append(" Start ");
    banner.Append(Word(word));
    banner.Append(" ...\n");
    return banner;
}

XString RunEndBanner(int errorStream, RunWord word)
{
    XString banner("\n");
    banner.AppendString(Rule(errorStream));
    banner.Append(" End   ");
    banner.Append(Word(word));
    banner.Append(" ...\n");
    return banner;
}
