// The file side of TStringList, kept apart so the list itself has no Windows calls.
#include "FileIO.h"
#include "StringList.h"

void TStringList::LoadFromFile(const std::wstring& fileName) { SetText(ReadWholeFile(fileName)); }

void TStringList::SaveToFile(const std::wstring& fileName) const {
    ReplaceFileContents(fileName, Text());
}
