// JSON text written piece by piece, for the traces the tools write: objects
// and arrays with their commas where they belong, strings escaped one way,
// numbers in the shortest form that reads back as the same value of their
// own width (a float as a float, a double as a double).
#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <type_traits>

namespace sb::headless {

class JsonWriter {
 public:
  // What a number that is not finite becomes (JSON has none): a string of
  // the output's own choosing.
  struct NonFinite {
    const char* nan;
    const char* infinity;
    const char* minusInfinity;
  };
  explicit JsonWriter(NonFinite names) : names_(names) {}

  const std::string& text() const { return out_; }

  // '{' or '['; Close with the matching bracket.
  void Open(char bracket);
  void Close(char bracket);
  // An object's key; its value comes next.
  void Key(std::string_view name);
  void String(std::string_view s);
  void Bool(bool b);
  void Null();
  template <typename T>
  void Number(T v) {
    static_assert(std::is_arithmetic_v<T> && !std::is_same_v<T, bool>);
    if constexpr (std::is_floating_point_v<T>) {
      if (std::isnan(v)) return String(names_.nan);
      if (std::isinf(v)) return String(v > 0 ? names_.infinity : names_.minusInfinity);
    }
    Separate();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out_.append(buffer, result.ptr);
  }

 private:
  // A comma before every value but the first of its object or array.
  void Separate();

  NonFinite names_;
  std::string out_;
  bool first_ = true;
};

}  // namespace sb::headless
