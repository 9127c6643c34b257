#pragma once
// Builds .lng bytes for tests: a valid pack whose lines can be changed.
#include <string>
#include <vector>

struct PackBuilder {
    // Header, "0", ":setup", forty texts "Text 1".."Text 40", ":main".
    PackBuilder();
    std::vector<std::string> Lines;
    std::string LineEnd = "\r\n";
    bool EndWithLineEnd = true;

    // The index of text N (1..40) in Lines.
    std::size_t TextLine(int Number) const;
    std::string Bytes() const;
};
