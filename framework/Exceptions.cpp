#include "Exceptions.h"

#include "TextConversion.h"

namespace {
constexpr const char* kCannotOpen = "Datei %s kann nicht geöffnet werden";
constexpr const char* kCannotCreate = "Datei %s kann nicht erstellt werden";
}  // namespace

std::string FormatMessageText(const std::string& pattern, const std::string& argument) {
    std::string text = pattern;
    if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

EFOpenError::EFOpenError(const std::wstring& fileName)
    : Exception(FormatMessageText(kCannotOpen, WideToUtf8(fileName))) {}

EFCreateError::EFCreateError(const std::wstring& fileName)
    : Exception(FormatMessageText(kCannotCreate, WideToUtf8(fileName))) {}
