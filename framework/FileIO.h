// Whole-file reading and replacing with the wide-character calls, so paths outside the
// ANSI code page work. Failures raise the framework's file errors.
#pragma once

#include <string>

bool FileExists(const std::wstring& fileName);
std::string ReadWholeFile(const std::wstring& fileName);
// Writes a temporary file beside the target and moves it over the target, so a failure
// at any point leaves the old file untouched.
void ReplaceFileContents(const std::wstring& fileName, const std::string& contents);
// The running program's file, with its folder.
std::wstring ProgramPath();
// The folder of the running program, with its trailing separator.
std::wstring ProgramDirectory();
