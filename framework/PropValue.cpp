#include "PropValue.h"

#include <cstring>
#include <utility>

#include "Exceptions.h"

namespace {
[[noreturn]] void Invalid(const TPropValue& value) {
    std::string shown = value.kind == TPropValue::Kind::Integer ? std::to_string(value.integer)
                                                                : value.text;
    throw EReadError(FormatMessageText("Ungültiger Eigenschaftswert: %s", shown));
}

const std::pair<const char*, TColor> kColorNames[] = {
    {"clBlack", clBlack},     {"clWhite", clWhite},         {"clSilver", clSilver},
    {"clGray", clGray},       {"clRed", clRed},             {"clLime", clLime},
    {"clNone", clNone},       {"clBtnFace", clBtnFace},     {"clWindow", clWindow},
    {"clWindowText", clWindowText}, {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
};

const std::pair<const char*, TCursor> kCursorNames[] = {
    {"crDefault", crDefault}, {"crArrow", crArrow}, {"crIBeam", crIBeam},
    {"crHandPoint", crHandPoint},
};
}  // namespace

void TPropValue::Reject() const { Invalid(*this); }

int TPropValue::AsInteger() const {
    if (kind != Kind::Integer) Invalid(*this);
    return static_cast<int>(integer);
}

bool TPropValue::AsBoolean() const {
    if (kind == Kind::Identifier && text == "True") return true;
    if (kind == Kind::Identifier && text == "False") return false;
    Invalid(*this);
}

const std::string& TPropValue::AsString() const {
    if (kind != Kind::String) Invalid(*this);
    return text;
}

const std::string& TPropValue::AsIdentifier() const {
    if (kind != Kind::Identifier) Invalid(*this);
    return text;
}

TColor TPropValue::AsColor() const {
    if (kind == Kind::Integer) return static_cast<TColor>(integer);
    for (auto& [name, color] : kColorNames)
        if (kind == Kind::Identifier && text == name) return color;
    Invalid(*this);
}

TCursor TPropValue::AsCursor() const {
    if (kind == Kind::Integer) return static_cast<TCursor>(integer);
    for (auto& [name, cursor] : kCursorNames)
        if (kind == Kind::Identifier && text == name) return cursor;
    Invalid(*this);
}

int TPropValue::AsEnum(std::initializer_list<const char*> names) const {
    int index = 0;
    for (const char* name : names) {
        if (kind == Kind::Identifier && text == name) return index;
        ++index;
    }
    Invalid(*this);
}
