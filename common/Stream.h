#pragma once
// The seekable byte stream that the data files, the pyramid and the Encrypt
// library pass between them. Read and Write move as many bytes as they can and
// say how many; ReadBuffer and WriteBuffer insist on the whole count.
//
// Streams cross the Encrypt library boundary as this interface: the library
// calls these virtual operations on the caller's objects and never creates,
// frees or truncates them.

#include <cstdint>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to Count bytes at the current position; answers the number read
    // (0 at the end of the stream).
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    // Writes up to Count bytes at the current position, extending the stream
    // where it writes past the end; answers the number written.
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    // Moves the position and answers the new one. Positions before 0 are
    // refused with EReadError; positions past the end are allowed.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    virtual int64_t GetSize() = 0;
    // Truncates or extends the stream (zero bytes).
    virtual void SetSize(int64_t NewSize) = 0;

    int64_t GetPosition() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t Position) { Seek(Position, TSeekOrigin::soBeginning); }

    // Reads until Count bytes came or a read brings none; answers the count
    // read. For callers that judge short reads themselves.
    int64_t ReadUpTo(void* Buffer, int64_t Count);
    // Raises EReadError ("Stream read error") when fewer than Count bytes come.
    void ReadBuffer(void* Buffer, int64_t Count);
    // Raises EWriteError ("Stream write error") when fewer than Count bytes go.
    void WriteBuffer(const void* Buffer, int64_t Count);

    // Little-endian 32-bit integers, the form of every integer in our files.
    uint32_t ReadUInt32();
    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    void WriteUInt32(uint32_t Value);
    void WriteInt32(int32_t Value) { WriteUInt32(static_cast<uint32_t>(Value)); }
    uint8_t ReadByte();
    void WriteByte(uint8_t Value) { WriteBuffer(&Value, 1); }
};
