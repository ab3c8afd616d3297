// Builds indented JSON text, with the commas and the escaping done in one place.
//
// Texts from the machine are bytes in its ANSI code page, not UTF-8. Each byte above 127 is
// written as the code point of the same number (\u0080 to \u00FF), so the output is always
// valid JSON and a tool can take every byte back exactly; for Latin-1 texts it is also the
// right character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ravel::explain {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member of the open object.
  void Key(std::string_view name);
  void String(std::string_view text);
  void Number(std::int64_t number);
  void Bool(bool value);
  void Null();

  // Key and value in one call; one name per type, so that a literal never turns into a bool.
  void StringMember(std::string_view name, std::string_view text);
  void NumberMember(std::string_view name, std::int64_t number);
  void BoolMember(std::string_view name, bool value);

  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);
  void NewLine();

  std::string text_;
  std::vector<bool> hasMembers_;  // one entry per open object or array
  bool afterKey_ = false;
};

// The text as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

}  // namespace ravel::explain
