// The fixed 256-byte buffers in which the system receives text from the operating system.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace ravel {

inline constexpr std::size_t kTextBufferSize = 256;

// At most 255 characters and their terminator; value-initialise to get an all-zero buffer.
using TextBuffer = std::array<char, kTextBufferSize>;

// The text up to the first zero byte (the whole buffer if there is none).
inline std::string TextOf(const TextBuffer& buffer) {
  return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}

// Copies text into the buffer, cut to 255 bytes, and terminates it.
inline void StoreText(TextBuffer& buffer, std::string_view text) {
  const std::size_t length = text.size() < buffer.size() ? text.size() : buffer.size() - 1;
  std::memcpy(buffer.data(), text.data(), length);
  buffer[length] = '\0';
}

}  // namespace ravel
