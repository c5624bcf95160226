// Reading JSON texts that planners' files hold. Numbers keep their text, so a
// reader converts them to the type it needs without passing through double;
// objects keep their members in file order. Nesting is limited, so no text can
// exhaust the stack.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane {

struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };
  Kind kind = Kind::Null;
  bool boolean = false;
  std::string text;  // a number as written, or a string's characters (UTF-8)
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  // The member called `name`, or nothing.
  const JsonValue* member(std::string_view name) const;
};

// "an object", "a number", ... for messages.
std::string KindName(JsonValue::Kind kind);

inline constexpr int kJsonDepthLimit = 32;

struct JsonParse {
  std::optional<JsonValue> value;
  std::string fault;  // "line 3, column 7: ..." when there is no value
};

// One value with nothing but white space around it. A member name given twice
// in one object is a fault.
JsonParse ParseJson(std::string_view text);

// A string's text with the characters JSON escapes escaped, in quotes.
std::string JsonString(std::string_view text);

}  // namespace morvane
