#include "PackBuilder.h"

PackBuilder::PackBuilder()
{
    Lines = {"Lexovant Language Pack", "0", ":setup"};
    for (int N = 1; N <= 40; ++N)
        Lines.push_back("Text " + std::to_string(N));
    Lines.push_back(":main");
}

std::size_t PackBuilder::TextLine(int Number) const
{
    int Seen = 0;
    bool InTexts = false;
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        if (!InTexts) {
            InTexts = Lines[I] == ":setup";
            continue;
        }
        if (!Lines[I].empty() && Lines[I][0] == '#')
            continue;
        if (++Seen == Number)
            return I;
    }
    return Lines.size();
}

std::string PackBuilder::Bytes() const
{
    std::string Out;
    for (std::size_t I = 0; I < Lines.size(); ++I) {
        Out += Lines[I];
        if (I + 1 < Lines.size() || EndWithLineEnd)
            Out += LineEnd;
    }
    return Out;
}
