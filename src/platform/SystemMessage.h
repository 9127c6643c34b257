#pragma once
// The system's own words for an error code, as FormatMessage gives them,
// without the line break at the end.
#include <string>

std::string SystemMessage(unsigned long ErrorCode);
