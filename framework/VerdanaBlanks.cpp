#include "VerdanaBlanks.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsVerdana(const char* face) { return lstrcmpiA(face, "Verdana") == 0; }

}  // namespace

int VerdanaBlankWidth(int characterHeight) { return int(std::lround(0.352 * characterHeight)); }

VerdanaBlanks::VerdanaBlanks(HDC dc, const std::string& requestedFace, const std::string& text)
    : dc_(dc) {
    if (!IsVerdana(requestedFace.c_str())) return;
    const int blanks = int(std::count(text.begin(), text.end(), ' '));
    if (blanks == 0) return;
    char given[LF_FACESIZE] = {};
    if (!GetTextFaceA(dc, LF_FACESIZE, given) || IsVerdana(given)) return;
    TEXTMETRICA metrics;
    SIZE blank;
    if (!GetTextMetricsA(dc, &metrics) || !GetTextExtentPoint32A(dc, " ", 1, &blank)) return;
    const int extra = VerdanaBlankWidth(metrics.tmHeight - metrics.tmInternalLeading) - blank.cx;
    if (extra == 0) return;
    justified_ = SetTextJustification(dc, extra * blanks, blanks) != FALSE;
}

VerdanaBlanks::~VerdanaBlanks() {
    if (justified_) SetTextJustification(dc_, 0, 0);
}
