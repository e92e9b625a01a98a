#include "run_text.h"

#include <cstring>

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

int EndsWithErrorSummary(const char* text)
{
    const int length = static_cast<int>(std::strlen(text));
    if (length <= 4)
        return 0;
    int last = length - 1;
    while (last > 0 && (text[last] == '\n' || text[last] == '\r' || text[last] == ' '))
        --last;
    if (last < 4)
        return 0;
    if (std::strncmp(text + last - 4, "error", 5) == 0)
        return 1;
    return last >= 5 && std::strncmp(text + last - 5, "errors", 6) == 0;
}
