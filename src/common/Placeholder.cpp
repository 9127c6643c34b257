#include "Placeholder.h"

std::string ReplacePlaceholder(const std::string& Text, const std::string& Placeholder, const std::string& Value)
{
    if (Placeholder.empty())
        return Text;
    std::string Result;
    std::string::size_type From = 0;
    for (std::string::size_type At; (At = Text.find(Placeholder, From)) != std::string::npos;
         From = At + Placeholder.size())
        Result.append(Text, From, At - From).append(Value);
    return Result.append(Text, From);
}
