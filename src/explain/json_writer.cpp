#include "explain/json_writer.h"

#include <cstdio>

namespace ravel::explain {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || byte >= 0x7F) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void JsonWriter::NewLine() {
  text_ += '\n';
  text_.append(2 * hasMembers_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasMembers_.empty()) return;
  if (hasMembers_.back()) text_ += ',';
  hasMembers_.back() = true;
  NewLine();
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  text_ += bracket;
  hasMembers_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool hadMembers = hasMembers_.back();
  hasMembers_.pop_back();
  if (hadMembers) NewLine();
  text_ += bracket;
  if (hasMembers_.empty()) text_ += '\n';
}

void JsonWriter::BeginObject() { Open('{'); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('['); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  text_ += JsonString(name) + ": ";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  text_ += JsonString(text);
}

void JsonWriter::Number(std::int64_t number) {
  BeforeValue();
  text_ += std::to_string(number);
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
}

void JsonWriter::StringMember(std::string_view name, std::string_view text) {
  Key(name);
  String(text);
}

void JsonWriter::NumberMember(std::string_view name, std::int64_t number) {
  Key(name);
  Number(number);
}

void JsonWriter::BoolMember(std::string_view name, bool value) {
  Key(name);
  Bool(value);
}

}  // namespace ravel::explain
