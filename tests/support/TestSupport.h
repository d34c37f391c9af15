// Helpers the Windows-side tests share: a fresh application per test, a form built from
// an inline description, and a message pump that waits for a condition.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Application.h"
#include "Form.h"

// Pumps messages until the condition holds or the timeout passes; answers the condition.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
void PumpPending();

// A form whose description is given inline; handlers are published before reading.
class TestForm : public TForm {
public:
    TestForm(TComponent* owner, std::string_view description,
             const std::function<void(TestForm&)>& publish = {});
};

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::wstring& leaf = L"");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return path_; }  // with trailing separator
    std::wstring File(const std::wstring& name) const { return path_ + name; }

private:
    std::wstring path_;
};

// Settings.ini as the settings window first saves it: W, E, D, S, C, X, no Shift.
inline const std::string kDefaultSettings =
    "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

std::string ReadBytes(const std::wstring& file);
// The same, or empty while the file cannot be read (being replaced, say).
std::string ReadBytesWhileWritten(const std::wstring& file);
void WriteBytes(const std::wstring& file, const std::string& bytes);
