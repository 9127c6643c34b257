#pragma once
// Pack texts carry placeholders ("%v%", "%dn%", "%f%") that the code showing
// them fills in.
#include <string>

// Text with every occurrence of Placeholder, case-sensitively and from left
// to right, replaced by Value; what Value brings in is not looked at again.
std::string ReplacePlaceholder(const std::string& Text, const std::string& Placeholder, const std::string& Value);
