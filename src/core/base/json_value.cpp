#include "base/json_value.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

namespace morvane {
namespace {

using Kind = JsonValue::Kind;

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  JsonParse read() {
    JsonParse parse;
    JsonValue value;
    if (!readValue(value, 0)) return failed();
    skipSpace();
    if (at_ < text_.size()) {
      fault("text follows the end of the value");
      return failed();
    }
    parse.value = std::move(value);
    return parse;
  }

 private:
  JsonParse failed() const { return {std::nullopt, fault_}; }

  bool fault(const std::string& reason) {
    if (!fault_.empty()) return false;
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) {
      column = text_[i] == '\n' ? 1 : column + 1;
      line += text_[i] == '\n';
    }
    fault_ = "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason;
    return false;
  }

  void skipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' ||
                                  text_[at_] == '\r'))
      ++at_;
  }

  bool take(char c) {
    skipSpace();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }

  bool readValue(JsonValue& value, int depth) {
    skipSpace();
    if (at_ >= text_.size()) return fault("a value is missing");
    const char c = text_[at_];
    if (c == '{' || c == '[') {
      if (depth >= kJsonDepthLimit)
        return fault("nested deeper than " + std::to_string(kJsonDepthLimit) + " levels");
      return c == '{' ? readObject(value, depth + 1) : readArray(value, depth + 1);
    }
    if (c == '"') {
      value.kind = Kind::String;
      return readString(value.text);
    }
    if (c == '-' || (c >= '0' && c <= '9')) return readNumber(value);
    for (const auto& [word, kind, truth] :
         {std::tuple{"true", Kind::Boolean, true}, std::tuple{"false", Kind::Boolean, false},
          std::tuple{"null", Kind::Null, false}}) {
      if (text_.substr(at_, std::string_view(word).size()) == word) {
        at_ += std::string_view(word).size();
        value.kind = kind;
        value.boolean = truth;
        return true;
      }
    }
    return fault("a value cannot start with '" + std::string(1, c) + "'");
  }

  bool readObject(JsonValue& value, int depth) {
    value.kind = Kind::Object;
    ++at_;
    if (take('}')) return true;
    std::unordered_set<std::string> names;  // a list's search would make large objects slow
    do {
      skipSpace();
      std::string name;
      if (at_ >= text_.size() || text_[at_] != '"') return fault("a member name in quotes is expected");
      if (!readString(name)) return false;
      if (!names.insert(name).second) return fault("the member \"" + name + "\" is given twice");
      if (!take(':')) return fault("':' is expected after a member name");
      value.members.emplace_back(std::move(name), JsonValue{});
      if (!readValue(value.members.back().second, depth)) return false;
    } while (take(','));
    return take('}') || fault("',' or '}' is expected");
  }

  bool readArray(JsonValue& value, int depth) {
    value.kind = Kind::Array;
    ++at_;
    if (take(']')) return true;
    do {
      value.items.emplace_back();
      if (!readValue(value.items.back(), depth)) return false;
    } while (take(','));
    return take(']') || fault("',' or ']' is expected");
  }

  bool digits() {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return at_ > start;
  }

  bool readNumber(JsonValue& value) {
    const std::size_t start = at_;
    if (text_[at_] == '-') ++at_;
    if (at_ < text_.size() && text_[at_] == '0')
      ++at_;
    else if (!digits())
      return fault("a number needs digits");
    if (at_ < text_.size() && text_[at_] == '.' && (++at_, !digits()))
      return fault("a number needs digits after its point");
    if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
      ++at_;
      if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
      if (!digits()) return fault("a number needs digits in its exponent");
    }
    value.kind = Kind::Number;
    value.text = std::string(text_.substr(start, at_ - start));
    return true;
  }

  std::optional<std::uint32_t> hex4() {
    if (text_.size() - at_ < 4) return std::nullopt;
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      code = code * 16 + static_cast<std::uint32_t>(digit);
    }
    return code;
  }

  // \uXXXX, with a surrogate pair for characters beyond the first plane.
  bool readEscapedCharacter(std::string& out) {
    auto code = hex4();
    if (!code) return fault("\\u needs four hexadecimal digits");
    if (*code >= 0xDC00 && *code <= 0xDFFF) return fault("a lone low surrogate");
    if (*code >= 0xD800 && *code <= 0xDBFF) {
      if (text_.substr(at_, 2) != "\\u") return fault("a high surrogate without its low one");
      at_ += 2;
      const auto low = hex4();
      if (!low || *low < 0xDC00 || *low > 0xDFFF) return fault("a high surrogate without its low one");
      *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
    }
    AppendUtf8(out, *code);
    return true;
  }

  static void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool readString(std::string& out) {
    ++at_;
    static constexpr std::string_view kEscapes = "\"\"\\\\//b\bf\fn\nr\rt\t";
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return fault("a control character inside a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) break;
      const char e = text_[at_++];
      if (e == 'u') {
        if (!readEscapedCharacter(out)) return false;
        continue;
      }
      std::size_t k = 0;
      while (k < kEscapes.size() && kEscapes[k] != e) k += 2;
      if (k >= kEscapes.size()) return fault("unknown escape \\" + std::string(1, e));
      out += kEscapes[k + 1];
    }
    return fault("a string is not closed");
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::string fault_;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
  const auto found = std::find_if(members.begin(), members.end(),
                                  [&](const auto& m) { return m.first == name; });
  return found == members.end() ? nullptr : &found->second;
}

std::string KindName(JsonValue::Kind kind) {
  switch (kind) {
    case Kind::Null: return "null";
    case Kind::Boolean: return "true or false";
    case Kind::Number: return "a number";
    case Kind::String: return "a text in quotes";
    case Kind::Array: return "a list [...]";
    case Kind::Object: return "an object {...}";
  }
  return "";
}

JsonParse ParseJson(std::string_view text) { return JsonReader(text).read(); }

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          out += "\\u00";
          out += kHex[(c >> 4) & 0xF];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace morvane
