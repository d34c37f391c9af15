#include "StartWithWindows.h"

#include <windows.h>

#include "Exceptions.h"
#include "FileIO.h"
#include "Platform.h"
#include "TextConversion.h"

namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValueName = L"Kitbag";

std::wstring SystemReason(LSTATUS error) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length ? std::wstring(text, length) : L"error " + std::to_wstring(error);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' '))
        reason.pop_back();
    return reason;
}

// The program a command starts: the first argument, without its quotes.
std::wstring CommandProgram(const std::wstring& command) {
    if (!command.empty() && command[0] == L'"') {
        size_t close = command.find(L'"', 1);
        return command.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    return command.substr(0, command.find(L' '));
}

}  // namespace

std::wstring StartCommand() { return L"\"" + ProgramPath() + L"\""; }

bool StartsWithWindows() {
    wchar_t data[MAX_PATH * 2] = {};
    DWORD size = sizeof data;
    if (platform::RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName, RRF_RT_REG_SZ, nullptr,
                               data, &size) != ERROR_SUCCESS)
        return false;
    const std::wstring named = CommandProgram(data), self = ProgramPath();
    return CompareStringOrdinal(named.c_str(), int(named.size()), self.c_str(), int(self.size()),
                                TRUE) == CSTR_EQUAL;
}

void SetStartWithWindows(bool on) {
    const std::wstring command = StartCommand();
    LSTATUS result =
        on ? platform::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ,
                                       command.c_str(), DWORD((command.size() + 1) * sizeof(wchar_t)))
           : platform::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
    if (!on && result == ERROR_FILE_NOT_FOUND) return;  // not there: nothing to take away
    if (result != ERROR_SUCCESS)
        throw Exception(WideToUtf8(std::wstring(on ? L"Kitbag cannot start with Windows: "
                                                   : L"Kitbag cannot stop starting with Windows: ") +
                                   SystemReason(result)));
}
