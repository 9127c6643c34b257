#include "SystemMessage.h"

#include <windows.h>

std::string SystemMessage(unsigned long ErrorCode)
{
    char* Text = nullptr;
    DWORD Length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, ErrorCode, 0, reinterpret_cast<char*>(&Text), 0, nullptr);
    std::string Message = Length ? std::string(Text, Length) : "System error " + std::to_string(ErrorCode) + ".";
    if (Text)
        LocalFree(Text);
    while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r' || Message.back() == ' '))
        Message.pop_back();
    return Message;
}
