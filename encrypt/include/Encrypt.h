#pragma once
// The exported functions of the Encrypt library (libEncrypt.so, Encrypt.dll).
//
// Streams are the caller's objects; the library reads, writes and repositions
// them but never creates, frees or truncates them. Digests are written into
// caller buffers of 16 bytes, keys are read from caller buffers of 32 bytes.
// Failures other than a false result are raised as Exception (Exception.h)
// carrying the message text.

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
// truncated, and left at position 0. A source that ends inside a block, or a
// deciphered final block whose count is above 15, raises "Invalid file
// format"; the blocks written before stay in Dest.
ENCRYPT_API void EncryptStream(TStream& Source, TStream& Dest, const uint8_t* Key);
ENCRYPT_API void DecryptStream(TStream& Source, TStream& Dest, const uint8_t* Key);

// Checks the RSA signature of the signed container read from Source's current
// position; on success copies the payload into Dest at its position, leaves
// Dest at 0 and answers true. A signature that does not hold (or a header cut
// short) answers false with Dest untouched; a key index outside 1 to 10
// raises "Invalid signature key requested".
ENCRYPT_API bool VerifyStream(TStream& Source, TStream& Dest);

}
