// The framework's errors. Their messages are German, held as UTF-8 and shown through
// the wide message box so umlauts survive whatever the ANSI code page is.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EFOpenError : public Exception {
public:
    explicit EFOpenError(const std::wstring& fileName);
};

class EFCreateError : public Exception {
public:
    explicit EFCreateError(const std::wstring& fileName);
};

class EReadError : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// Replaces the first "%s" of a template with the argument.
std::string FormatMessageText(const std::string& pattern, const std::string& argument);
