#include "ErrorText.h"

std::string ErrorBoxText(const std::string& Message)
{
    // Compared as unsigned bytes, as the ANSI text sorts.
    if (!Message.empty() && static_cast<unsigned char>(Message.back()) > static_cast<unsigned char>('.'))
        return Message + ".";
    return Message;
}
