// A strict JSON parser for the tests of the explain tool's JSON report: it accepts exactly the
// grammar of RFC 8259 (no trailing commas, no comments, no bare control bytes in strings) and
// gives a tree to assert on. Strings keep \u00XX escapes below 256 as that one byte, the way the
// report writes the machine's bytes.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ravel::json {

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<Value> items;
  std::map<std::string, Value> members;
  std::vector<std::string> memberOrder;

  bool Has(const std::string& name) const { return members.count(name) != 0; }
  const Value& operator[](const std::string& name) const { return members.at(name); }
  const Value& operator[](std::size_t index) const { return items.at(index); }
  bool IsNull() const { return kind == Kind::Null; }
};

// The parsed document, or nullopt with the reason in error when the text is not valid JSON.
std::optional<Value> Parse(const std::string& text, std::string* error = nullptr);

}  // namespace ravel::json
