#pragma once
// The text shown in the error box: the error's message, with a full stop
// appended when its last character sorts after "." (letters, digits, ...).
#include <string>

std::string ErrorBoxText(const std::string& Message);
