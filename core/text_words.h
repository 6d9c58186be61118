// Texts read eight bytes at a time, as little-endian words: the first byte of
// a piece of text is the lowest byte of its word. Log lines are compared and
// searched a word at a time instead of a byte at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace skyvex {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "texts are read as little-endian words");

// Up to eight bytes from p on; the bytes past n are zero.
inline uint64_t wordAt(const char* p, size_t n) {
  uint64_t word = 0;
  if (n >= 8) {
    std::memcpy(&word, p, 8);  // one load
  } else {
    for (size_t i = 0; i < n; ++i) word |= uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  }
  return word;
}

inline constexpr uint64_t kByteOnes = 0x0101010101010101ULL;
inline constexpr uint64_t kByteHighBits = 0x8080808080808080ULL;

// The small letter of a Windows-1252 capital (the code page of the server's
// logs): A-Z, À-Þ except ×, Š, Œ, Ž and Ÿ. Every other byte is itself.
inline constexpr unsigned char foldByte(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);
  if (c == 0x9F) return 0xFF;
  return c;
}

// Every capital of the word made small, as foldByte does. A word of plain
// ASCII is folded all at once: adding to the low seven bits of each byte never
// carries into the next one.
inline uint64_t foldWord(uint64_t word) {
  if (word & kByteHighBits) {
    uint64_t folded = 0;
    for (size_t i = 0; i < 8; ++i)
      folded |= uint64_t{foldByte(static_cast<unsigned char>(word >> (8 * i)))} << (8 * i);
    return folded;
  }
  const uint64_t atLeastA = word + kByteOnes * (0x80 - 'A');
  const uint64_t pastZ = word + kByteOnes * (0x80 - 'Z' - 1);
  const uint64_t capitals = atLeastA & ~pastZ & kByteHighBits;
  return word | (capitals >> 2);  // 0x80 >> 2 is the case bit 0x20
}

// True when no byte of the n from p on is above 0x7F: the text is plain ASCII.
inline bool isPlainAscii(const char* p, size_t n) {
  uint64_t bytes = 0;
  for (size_t i = 0; i < n; i += 8) bytes |= wordAt(p + i, n - i);
  return (bytes & kByteHighBits) == 0;
}

// The index of the lowest byte that is not zero in a word that is not zero.
inline size_t lowestByte(uint64_t word) { return static_cast<size_t>(__builtin_ctzll(word)) / 8; }

// Byte i of the word.
inline unsigned byteOf(uint64_t word, size_t i) { return static_cast<unsigned>(word >> (8 * i) & 0xFF); }

// Copies n bytes. Report lines are built from many short pieces: those of up
// to sixteen bytes are copied with two overlapping fixed-size moves instead of
// a call to the library's general copy.
inline void copyBytes(char* to, const char* from, size_t n) {
  if (n >= 8 && n <= 16) {
    uint64_t head, tail;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n >= 4 && n < 8) {
    uint32_t head, tail;
    std::memcpy(&head, from, 4);
    std::memcpy(&tail, from + n - 4, 4);
    std::memcpy(to, &head, 4);
    std::memcpy(to + n - 4, &tail, 4);
  } else if (n < 4) {
    for (size_t i = 0; i < n; ++i) to[i] = from[i];
  } else {
    std::memcpy(to, from, n);
  }
}

}  // namespace skyvex
