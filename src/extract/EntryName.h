#pragma once
// The check that keeps every extracted file inside the install directory
// and off the names Windows treats specially. The installer runs it on
// every entry before the name is logged or anything is made for it; the
// media builder runs it on every source file.
#include <optional>
#include <string>

// Why Name may not be extracted, in words that follow the name ("is
// absolute", "has a \"..\" component"); nothing when it is safe.
std::optional<std::string> UnsafeNameReason(const std::string& Name);

// Name with control bytes shown as \xNN, for messages.
std::string PrintableName(const std::string& Name);
