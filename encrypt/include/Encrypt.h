#pragma once
// The exported functions of the Encrypt library (libEncrypt.so, Encrypt.dll).
//
// The functions are for C++ callers built with the same compiler and
// standard library: they take the stream class TStream (Stream.h) by
// reference and report failures other than a false result by throwing
// Exception (Exception.h) carrying the message text, which is caught by its
// base class on the caller's side. The C linkage only fixes the exported
// names.
//
// Streams are the caller's objects; the library reads, writes and repositions
// them but never creates, frees or truncates them. No pointer argument may be
// null: Text, TextA, TextB and TextC point to NUL-terminated texts, Digest to
// a buffer of at least 16 bytes, Key to 32 bytes. None of them is checked.

#include "Stream.h"

#include <cstdint>

#if defined(_WIN32)
#if defined(ENCRYPT_BUILDING)
#define ENCRYPT_API __declspec(dllexport)
#else
#define ENCRYPT_API __declspec(dllimport)
#endif
#else
#define ENCRYPT_API __attribute__((visibility("default")))
#endif

extern "C" {

// MD5 of the NUL-terminated Text. Mode 1 asks for a digest; any other mode
// zeroes the digest and answers false.
ENCRYPT_API bool GetHash(int32_t Mode, const char* Text, uint8_t* Digest);

// MD5 of the whole stream, read from position 0; leaves the stream at 0.
ENCRYPT_API bool GetStreamHash(int32_t Mode, TStream& Stream, uint8_t* Digest);

// MD5 of the three texts joined in the order that Order names (1: B A C,
// 2: A C B, 3: C B A). Order is tested before Mode.
ENCRYPT_API bool GetHash2(int32_t Mode, int32_t Order, const char* TextA, const char* TextB, const char* TextC,
                          uint8_t* Digest);

// AES-256 in ECB over whole blocks, with a final block that carries the count
// of its data bytes. The block count comes from Source's size, the bytes from
// its current position; Dest is written from its current position, never
// truncated, and left at position 0. When deciphering, source bytes after the
// last whole block (a size that is not a multiple of 16) are ignored. A
// source whose remaining bytes run out before the blocks its size promises
// (it was not at position 0), a source of fewer than 16 bytes to decipher, or
// a deciphered final block whose count is above 15 raises "Invalid file
// format"; the blocks written before stay in Dest.
ENCRYPT_API void EncryptStream(TStream& Source, TStream& Dest, const uint8_t* Key);
ENCRYPT_API void DecryptStream(TStream& Source, TStream& Dest, const uint8_t* Key);

// Checks the RSA signature of the signed container read from Source's current
// position; on success copies the payload into Dest at its position, leaves
// Dest at 0 and answers true. The signed block must fill the key's modulus
// exactly (type, padding, separator and the payload's MD5 digest, nothing
// else). A signature that does not hold (or a header cut short) answers false
// with Dest untouched; a key index outside 1 to 10 raises "Invalid signature
// key requested".
ENCRYPT_API bool VerifyStream(TStream& Source, TStream& Dest);
}
