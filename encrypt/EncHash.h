#pragma once
// The abstract digest object: it digests a text, a stream, a file or a memory
// buffer and keeps the last digest until the next one replaces it.

#include "EncBase.h"

#include <cstddef>
#include <cstdint>
#include <string>

class TStream;

class TEncHash : public TEncBaseComponent {
public:
    virtual size_t DigestSize() const = 0;

    // The bytes of the NUL-terminated Text, without the NUL.
    virtual void HashString(const char* Text) = 0;
    // The stream from its current position until a read returns no bytes. A
    // failing stream raises its own exception; the last digest is then kept.
    virtual void HashStream(TStream& Stream) = 0;
    // The named file, opened for reading only; raises EFOpenError naming it.
    virtual void HashFile(const std::string& FileName) = 0;
    virtual void HashBuffer(const void* Data, size_t Count) = 0;

    // Copies the last digest into Digest, which holds DigestSize() bytes.
    virtual void GetDigest(uint8_t* Digest) const = 0;
};
