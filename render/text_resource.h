#pragma once

#include <cstddef>

// Bytes a shader text may hold before its '~'.
constexpr std::size_t kShaderTextCapacity = 0x4000;

// Room for a shader text and the four zero bytes that follow it.
constexpr std::size_t kShaderTextBufferSize = kShaderTextCapacity + 4;

// Copies the "TEXTFILE" resource `id` (its low 16 bits, as Windows reads resource ids) into
// `destination` up to its first '~' and writes four zero bytes after the copied text, so
// `destination` needs capacity + 4 bytes. The copy also stops at the end of the resource and after
// `capacity` bytes; a missing resource gives an empty text. Returns the length of the copied text.
std::size_t loadTextResource(int id, char* destination, std::size_t capacity);
