#include "FileIO.h"

#include <windows.h>

#include <algorithm>

#include "Exceptions.h"

namespace {
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (Valid()) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    void Close() {
        if (Valid()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, const std::string& contents) {
    size_t written = 0;
    while (written < contents.size()) {
        DWORD chunk = DWORD(std::min<size_t>(contents.size() - written, 1u << 30));
        DWORD done = 0;
        if (!WriteFile(file, contents.data() + written, chunk, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return true;
}
}  // namespace

bool FileExists(const std::wstring& fileName) {
    DWORD attributes = GetFileAttributesW(fileName.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const std::wstring& fileName) {
    FileHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw EFOpenError(fileName);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) throw EFOpenError(fileName);
    std::string contents;
    contents.resize(size_t(size.QuadPart));
    size_t read = 0;
    while (read < contents.size()) {
        DWORD chunk = DWORD(std::min<size_t>(contents.size() - read, 1u << 30));
        DWORD done = 0;
        if (!ReadFile(file.Get(), contents.data() + read, chunk, &done, nullptr))
            throw EFOpenError(fileName);
        if (done == 0) break;  // the file shrank while we read it
        read += done;
    }
    contents.resize(read);
    return contents;
}

void ReplaceFileContents(const std::wstring& fileName, const std::string& contents) {
    // A file the user marked read-only stays as it is. Windows refuses to move over it
    // anyway; Wine running as root would not, so ask before writing anything.
    DWORD attributes = GetFileAttributesW(fileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw EFCreateError(fileName);
    std::wstring temporary = fileName + L".saving";
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw EFCreateError(fileName);
    bool written = WriteAll(file.Get(), contents) && FlushFileBuffers(file.Get());
    file.Close();
    if (!written || !MoveFileExW(temporary.c_str(), fileName.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        throw EFCreateError(fileName);
    }
}

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    while (true) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ProgramDirectory() {
    const std::wstring path = ProgramPath();
    size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}
