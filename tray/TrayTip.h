#pragma once
#include <cstddef>

// The tooltip field of the shell's icon record: 128 bytes, so at most 127
// bytes of text and the terminating zero.
constexpr std::size_t TRAY_TIP_MAX = 128;

// Tells whether a byte opens a double-byte character in the code page in use.
using LeadBytePredicate = bool (*)(unsigned char byte);

// How many leading bytes of `text` fit into `maxBytes` without cutting a
// double-byte character in two. Characters are walked from the start: a trail
// byte may itself look like a lead byte, so a byte cannot be judged alone.
// A lead byte right before the terminating zero counts as one byte.
std::size_t TipCopyLength(const char* text, std::size_t maxBytes, LeadBytePredicate isLeadByte);
