#include "SystemMessage.h"

std::string SystemMessage(DWORD Code)
{
    char* Text = nullptr;
    DWORD Length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, Code, 0, reinterpret_cast<char*>(&Text), 0, nullptr);
    std::string Message(Text ? Text : "", Length);
    LocalFree(Text);
    while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r' || Message.back() == ' '))
        Message.pop_back();
    if (Message.empty())
        Message = "System error " + std::to_string(Code);
    return Message;
}
