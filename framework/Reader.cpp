#include "Reader.h"

#include <cctype>
#include <map>

namespace {

struct Token {
    enum class Kind { End, Word, Integer, String, Symbol } kind = Kind::End;
    std::string text;
    long long integer = 0;
    int line = 0;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next() {
        SkipBlanks();
        Token token;
        token.line = line_;
        if (at_ >= text_.size()) return token;
        char c = text_[at_];
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            size_t start = at_;
            while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) ||
                                          text_[at_] == '_' || text_[at_] == '.'))
                ++at_;
            token.kind = Token::Kind::Word;
            token.text = std::string(text_.substr(start, at_ - start));
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '$') {
            token.kind = Token::Kind::Integer;
            token.integer = ReadInteger();
        } else if (c == '\'' || c == '#') {
            token.kind = Token::Kind::String;
            token.text = ReadString();
        } else {
            token.kind = Token::Kind::Symbol;
            token.text = std::string(1, c);
            ++at_;
        }
        return token;
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size()) {
            char c = text_[at_];
            if (c == '\n') ++line_;
            if (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/') {
                while (at_ < text_.size() && text_[at_] != '\n') ++at_;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++at_;
            } else {
                break;
            }
        }
    }

    long long ReadInteger() {
        bool negative = text_[at_] == '-';
        if (negative) ++at_;
        int base = 10;
        if (at_ < text_.size() && text_[at_] == '$') {
            base = 16;
            ++at_;
        }
        long long value = 0;
        size_t start = at_;
        while (at_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[at_]))) {
            char d = text_[at_];
            if (base == 10 && !std::isdigit(static_cast<unsigned char>(d))) break;
            value = value * base + (std::isdigit(static_cast<unsigned char>(d))
                                        ? d - '0'
                                        : std::tolower(static_cast<unsigned char>(d)) - 'a' + 10);
            ++at_;
        }
        if (at_ == start) Fail("Zahl erwartet");
        return negative ? -value : value;
    }

    // 'quoted' parts with '' for a quote, and #nn character codes, written side by side.
    std::string ReadString() {
        std::string result;
        while (at_ < text_.size()) {
            if (text_[at_] == '\'') {
                ++at_;
                while (true) {
                    if (at_ >= text_.size() || text_[at_] == '\n') Fail("Zeichenkette nicht beendet");
                    if (text_[at_] == '\'') {
                        if (at_ + 1 < text_.size() && text_[at_ + 1] == '\'') {
                            result += '\'';
                            at_ += 2;
                            continue;
                        }
                        ++at_;
                        break;
                    }
                    result += text_[at_++];
                }
            } else if (text_[at_] == '#') {
                ++at_;
                result += static_cast<char>(ReadInteger());
            } else {
                break;
            }
        }
        return result;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError(what + " in Zeile " + std::to_string(line_));
    }

    std::string_view text_;
    size_t at_ = 0;
    int line_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, TReader& reader) : lexer_(text), reader_(reader) { Advance(); }

    void ReadRootObject(std::vector<TComponent*>& loaded) {
        ExpectWord("object");
        std::string name = ExpectName();
        ExpectSymbol(":");
        ExpectName();  // the root's class is the one being constructed
        TComponent& root = reader_.Root();
        root.BeginLoading();
        root.SetName(name);
        loaded.push_back(&root);
        ReadBody(root, loaded);
        if (current_.kind != Token::Kind::End) Fail("Ende der Beschreibung erwartet");
    }

private:
    void ReadBody(TComponent& object, std::vector<TComponent*>& loaded) {
        while (!(current_.kind == Token::Kind::Word && current_.text == "end")) {
            if (current_.kind == Token::Kind::Word && current_.text == "object") {
                ReadChildObject(object, loaded);
            } else {
                ReadProperty(object);
            }
        }
        Advance();
    }

    void ReadChildObject(TComponent& parent, std::vector<TComponent*>& loaded) {
        Advance();
        std::string name = ExpectName();
        ExpectSymbol(":");
        std::string className = ExpectName();
        TComponent* child = ClassRegistry::Create(className, &reader_.Root());
        child->BeginLoading();
        child->SetName(name);
        loaded.push_back(child);
        child->PlaceIn(parent, &parent == &reader_.Root());
        ReadBody(*child, loaded);
    }

    void ReadProperty(TComponent& object) {
        std::string name = ExpectName();
        ExpectSymbol("=");
        TPropValue value = ReadValue();
        if (!object.SetProperty(name, value, reader_))
            throw EReadError(FormatMessageText("Eigenschaft %s existiert nicht", name) + " (" +
                             object.Name() + ")");
    }

    TPropValue ReadValue() {
        TPropValue value;
        switch (current_.kind) {
            case Token::Kind::Integer:
                value.kind = TPropValue::Kind::Integer;
                value.integer = current_.integer;
                Advance();
                return value;
            case Token::Kind::Word:
                value.kind = TPropValue::Kind::Identifier;
                value.text = current_.text;
                Advance();
                return value;
            case Token::Kind::String:
                value.kind = TPropValue::Kind::String;
                value.text = ReadConcatenatedString();
                return value;
            case Token::Kind::Symbol:
                if (current_.text == "[") return ReadList(TPropValue::Kind::Set, "]");
                if (current_.text == "(") return ReadList(TPropValue::Kind::Strings, ")");
                break;
            case Token::Kind::End:
                break;
        }
        Fail("Eigenschaftswert erwartet");
    }

    std::string ReadConcatenatedString() {
        std::string text = current_.text;
        Advance();
        while (current_.kind == Token::Kind::Symbol && current_.text == "+") {
            Advance();
            if (current_.kind != Token::Kind::String) Fail("Zeichenkette erwartet");
            text += current_.text;
            Advance();
        }
        return text;
    }

    TPropValue ReadList(TPropValue::Kind kind, const char* closing) {
        TPropValue value;
        value.kind = kind;
        Advance();
        while (!(current_.kind == Token::Kind::Symbol && current_.text == closing)) {
            if (kind == TPropValue::Kind::Set) {
                value.items.push_back(ExpectName());
                if (current_.kind == Token::Kind::Symbol && current_.text == ",") Advance();
            } else {
                if (current_.kind != Token::Kind::String) Fail("Zeichenkette erwartet");
                value.items.push_back(ReadConcatenatedString());
            }
        }
        Advance();
        return value;
    }

    void Advance() { current_ = lexer_.Next(); }

    std::string ExpectName() {
        if (current_.kind != Token::Kind::Word) Fail("Name erwartet");
        std::string text = current_.text;
        Advance();
        return text;
    }

    void ExpectWord(const char* word) {
        if (current_.kind != Token::Kind::Word || current_.text != word)
            Fail(std::string("'") + word + "' erwartet");
        Advance();
    }

    void ExpectSymbol(const char* symbol) {
        if (current_.kind != Token::Kind::Symbol || current_.text != symbol)
            Fail(std::string("'") + symbol + "' erwartet");
        Advance();
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError(what + " in Zeile " + std::to_string(current_.line));
    }

    Lexer lexer_;
    TReader& reader_;
    Token current_;
};

std::map<std::string, TComponentFactory>& Factories() {
    static std::map<std::string, TComponentFactory> factories;
    return factories;
}

}  // namespace

void TReader::ReadRoot(std::string_view description) {
    std::vector<TComponent*> loaded;
    Parser(description, *this).ReadRootObject(loaded);
    for (TComponent* component : loaded) component->Loaded();
}

TNotifyEvent TReader::NotifyMethod(const TPropValue& value) const {
    return Method<TNotifyEvent>(value);
}
TMouseEvent TReader::MouseMethod(const TPropValue& value) const {
    return Method<TMouseEvent>(value);
}
TMouseMoveEvent TReader::MouseMoveMethod(const TPropValue& value) const {
    return Method<TMouseMoveEvent>(value);
}

void ClassRegistry::Register(const std::string& className, TComponentFactory factory) {
    Factories()[className] = std::move(factory);
}

TComponent* ClassRegistry::Create(const std::string& className, TComponent* owner) {
    auto at = Factories().find(className);
    if (at == Factories().end())
        throw EReadError(FormatMessageText("Klasse %s nicht gefunden", className));
    return at->second(owner);
}
