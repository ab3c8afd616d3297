#include "json_value.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace ravel::json {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  Value Document() {
    Value value = ParseValue();
    SkipSpace();
    if (pos_ != text_.size()) Fail("text after the document");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + " at byte " + std::to_string(pos_));
  }
  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }
  char Peek() {
    if (pos_ >= text_.size()) Fail("unexpected end");
    return text_[pos_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected ") + c);
    ++pos_;
  }
  void Literal(const std::string& word) {
    if (text_.compare(pos_, word.size(), word) != 0) Fail("bad literal");
    pos_ += word.size();
  }

  Value ParseValue() {
    SkipSpace();
    Value value;
    switch (Peek()) {
      case '{':
        value.kind = Value::Kind::Object;
        ParseObject(value);
        break;
      case '[':
        value.kind = Value::Kind::Array;
        ParseArray(value);
        break;
      case '"':
        value.kind = Value::Kind::String;
        value.text = ParseString();
        break;
      case 't':
        Literal("true");
        value.kind = Value::Kind::Bool;
        value.boolean = true;
        break;
      case 'f':
        Literal("false");
        value.kind = Value::Kind::Bool;
        break;
      case 'n':
        Literal("null");
        break;
      default:
        value.kind = Value::Kind::Number;
        value.number = ParseNumber();
    }
    return value;
  }

  void ParseObject(Value& object) {
    Expect('{');
    SkipSpace();
    if (Peek() == '}') {
      ++pos_;
      return;
    }
    for (;;) {
      SkipSpace();
      const std::string name = ParseString();
      if (object.members.count(name) != 0) Fail("duplicate member " + name);
      SkipSpace();
      Expect(':');
      object.members[name] = ParseValue();
      object.memberOrder.push_back(name);
      SkipSpace();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect('}');
      return;
    }
  }

  void ParseArray(Value& array) {
    Expect('[');
    SkipSpace();
    if (Peek() == ']') {
      ++pos_;
      return;
    }
    for (;;) {
      array.items.push_back(ParseValue());
      SkipSpace();
      if (Peek() == ',') {
        ++pos_;
        continue;
      }
      Expect(']');
      return;
    }
  }

  std::string ParseString() {
    Expect('"');
    std::string out;
    for (;;) {
      const char c = Peek();
      ++pos_;
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("control byte in a string");
      if (static_cast<unsigned char>(c) >= 0x80) Fail("byte above 127 (the report escapes them)");
      if (c != '\\') {
        out += c;
        continue;
      }
      const char e = Peek();
      ++pos_;
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
          if (pos_ + 4 > text_.size()) Fail("short \\u escape");
          const std::string hex = text_.substr(pos_, 4);
          for (char h : hex) {
            if (!std::isxdigit(static_cast<unsigned char>(h))) Fail("bad \\u escape");
          }
          const long code = std::strtol(hex.c_str(), nullptr, 16);
          if (code > 0xFF) Fail("\\u escape above 255, which the report never writes");
          out += static_cast<char>(code);
          pos_ += 4;
          break;
        }
        default:
          Fail("bad escape");
      }
    }
  }

  double ParseNumber() {
    const std::size_t start = pos_;
    if (Peek() == '-') ++pos_;
    if (Peek() == '0') {
      ++pos_;
    } else if (Peek() >= '1' && Peek() <= '9') {
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    } else {
      Fail("bad value");
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("bad fraction");
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("bad exponent");
      while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    return std::strtod(text_.substr(start, pos_ - start).c_str(), nullptr);
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<Value> Parse(const std::string& text, std::string* error) {
  try {
    return Parser(text).Document();
  } catch (const std::runtime_error& e) {
    if (error != nullptr) *error = e.what();
    return std::nullopt;
  }
}

}  // namespace ravel::json
