// A list of text lines. Splitting and joining are plain C++ (no Windows calls), so the
// settings decoding also builds natively for fuzzing; file access is in StringListFile.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Types.h"

class TStringList : public TObject {
public:
    int Count() const { return int(lines_.size()); }
    // Line i; a line past the end (or before the start) reads as empty text.
    std::string Strings(int index) const;
    std::string operator[](int index) const { return Strings(index); }
    int Add(std::string line);
    void Clear();
    // Every line followed by CR LF.
    std::string Text() const;
    // CR LF, LF or CR each end a line; a last line without a break still counts.
    void SetText(std::string_view text);
    void Assign(const std::vector<std::string>& lines);
    const std::vector<std::string>& Lines() const { return lines_; }

    // Replaces the list with the file's lines.
    void LoadFromFile(const std::wstring& fileName);
    // Creates or replaces the file whole; on failure the old file stays as it was.
    void SaveToFile(const std::wstring& fileName) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::vector<std::string> lines_;
};
