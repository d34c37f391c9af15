// A property value as it stands in a form description.
#pragma once

#include <string>
#include <vector>

#include "Types.h"

struct TPropValue {
    enum class Kind { Integer, Identifier, String, Set, Strings };
    Kind kind = Kind::Integer;
    long long integer = 0;
    std::string text;                // identifier or string
    std::vector<std::string> items;  // set members or a list of strings

    int AsInteger() const;
    bool AsBoolean() const;
    const std::string& AsString() const;
    const std::string& AsIdentifier() const;
    TColor AsColor() const;
    TCursor AsCursor() const;
    // An identifier from a fixed list of names, answered as its position in the list.
    int AsEnum(std::initializer_list<const char*> names) const;
    // Refuses this value as the description's error for a property it cannot hold.
    [[noreturn]] void Reject() const;
};
