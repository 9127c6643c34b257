#pragma once
// Files over CreateFileA, ReadFile and WriteFile, unbuffered: every Write is
// one WriteFile. Failures are FileErrors with the system's message.
#include "FileSystem.h"

#include <memory>
#include <string>

// An existing file, read access, not shared with other openers.
std::unique_ptr<FileReader> OpenFileForReading(const std::string& Path);
// Created anew or truncated, read and write access, not shared.
std::unique_ptr<FileWriter> CreateFileForWriting(const std::string& Path);
// The same, only when nothing of that name exists; nothing otherwise or on
// any failure.
std::unique_ptr<FileWriter> CreateNewFileForWriting(const std::string& Path);
