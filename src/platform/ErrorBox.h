#pragma once
// The error box: a message box with the application title as caption, a
// stop icon, one OK button and the text with the full-stop rule.
#include <string>

void ShowErrorBox(const std::string& Message);
