#include "JsonReader.h"

#include <cstdlib>

namespace velmora::testing {

namespace {

const JsonValue kNull{};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value)) {
            return std::nullopt;
        }
        SkipBlanks();
        if (pos_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool Take(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }

    bool Value(JsonValue& out) {
        if (++depth_ > 64) {
            return false;
        }
        SkipBlanks();
        bool ok = false;
        if (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '{') {
                ok = Object(out);
            } else if (c == '[') {
                ok = Array(out);
            } else if (c == '"') {
                out.kind = JsonValue::Kind::String;
                ok = String(out.text);
            } else if (Literal("null")) {
                ok = true;
            } else if (Literal("true")) {
                out.kind = JsonValue::Kind::Boolean;
                out.boolean = true;
                ok = true;
            } else if (Literal("false")) {
                out.kind = JsonValue::Kind::Boolean;
                ok = true;
            } else {
                ok = Number(out);
            }
        }
        --depth_;
        return ok;
    }

    bool Object(JsonValue& out) {
        out.kind = JsonValue::Kind::Object;
        ++pos_;
        if (Take('}')) {
            return true;
        }
        do {
            SkipBlanks();
            std::string key;
            JsonValue member;
            if (pos_ >= text_.size() || text_[pos_] != '"' || !String(key) || !Take(':') ||
                !Value(member) || out.members.count(key) != 0) {
                return false;
            }
            out.keys.push_back(key);
            out.members.emplace(key, std::move(member));
        } while (Take(','));
        return Take('}');
    }

    bool Array(JsonValue& out) {
        out.kind = JsonValue::Kind::Array;
        ++pos_;
        if (Take(']')) {
            return true;
        }
        do {
            JsonValue item;
            if (!Value(item)) {
                return false;
            }
            out.items.push_back(std::move(item));
        } while (Take(','));
        return Take(']');
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool String(std::string& out) {
        ++pos_; // opening quote
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false; // control characters must be escaped
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) {
                return false;
            }
            const char e = text_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                if (pos_ + 4 > text_.size()) {
                    return false;
                }
                const std::string hex(text_.substr(pos_, 4));
                char* end = nullptr;
                const unsigned long code = std::strtoul(hex.c_str(), &end, 16);
                if (end != hex.c_str() + 4) {
                    return false;
                }
                pos_ += 4;
                AppendUtf8(out, static_cast<unsigned>(code));
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    bool Number(JsonValue& out) {
        const std::size_t start = pos_;
        auto digits = [&] {
            const std::size_t from = pos_;
            while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
                ++pos_;
            }
            return pos_ > from;
        };
        if (pos_ < text_.size() && text_[pos_] == '-') {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '0') {
            ++pos_;
        } else if (!digits()) {
            return false;
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            if (!digits()) {
                return false;
            }
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            ++pos_;
            if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
                ++pos_;
            }
            if (!digits()) {
                return false;
            }
        }
        out.kind = JsonValue::Kind::Number;
        out.text = std::string(text_.substr(start, pos_ - start));
        out.number = std::strtod(out.text.c_str(), nullptr);
        return true;
    }
};

} // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
    const auto found = members.find(key);
    return found == members.end() ? kNull : found->second;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    return index < items.size() ? items[index] : kNull;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    return Reader(text).Document();
}

} // namespace velmora::testing
