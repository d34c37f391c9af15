#include "TestSupport.h"

#include <shellapi.h>

#include "Exceptions.h"
#include "FileIO.h"
#include "Reader.h"

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return condition();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

TestForm::TestForm(TComponent* owner, std::string_view description,
                   const std::function<void(TestForm&)>& publish)
    : TForm(owner, "TTestForm") {
    if (publish) publish(*this);
    ReadDescription(description);
    DoCreate();
}

TempFolder::TempFolder(const std::wstring& leaf) {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"kitbag-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + leaf + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    std::wstring from = path_.substr(0, path_.size() - 1);
    from.push_back(L'\0');  // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

std::string ReadBytes(const std::wstring& file) { return ReadWholeFile(file); }

void WriteBytes(const std::wstring& file, const std::string& bytes) {
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw EFCreateError(file);
    DWORD written = 0;
    WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(handle);
}

std::string ReadBytesWhileWritten(const std::wstring& file) {
    try {
        return ReadBytes(file);
    } catch (...) {
        return {};
    }
}
