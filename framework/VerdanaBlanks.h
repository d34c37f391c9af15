// Verdana's blank is 0.352 of its character height. Where the system stands another face
// in for Verdana (Wine ships none), captions that place things with runs of blanks keep
// their layout only if each blank is drawn as wide as Verdana's would be.
#pragma once

#include <windows.h>

#include <string>

// Verdana's blank in pixels at a character height (5 at 13, 4 at 11).
int VerdanaBlankWidth(int characterHeight);

// For its lifetime, text drawn or measured in the device context gets Verdana-wide blanks
// when its font was asked for as Verdana but the system gave another face; otherwise it
// changes nothing.
class VerdanaBlanks {
public:
    VerdanaBlanks(HDC dc, const std::string& requestedFace, const std::string& text);
    ~VerdanaBlanks();
    VerdanaBlanks(const VerdanaBlanks&) = delete;
    VerdanaBlanks& operator=(const VerdanaBlanks&) = delete;

private:
    HDC dc_;
    bool justified_ = false;
};
