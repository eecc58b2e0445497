#pragma once
// One game record: the fixed 360-byte description of a game that issue files
// store, the catalogue copies from, the pyramid keeps as its information
// object and the main window reads the game's keys and feature flags from.
//
// The record is held as its raw bytes, so that whatever a file carries in the
// uninterpreted gaps travels unchanged; the named accessors read and write the
// fields in place (integers little-endian, texts NUL-padded).

#include <array>
#include <cstdint>
#include <string>

class TStream;

class TPuzzleInfo {
public:
    static constexpr int RecordSize = 360;
    static constexpr int TextSize = 64;

    // Record offsets of the fields.
    static constexpr int ofsRecordFormat = 0;
    static constexpr int ofsGameNumber = 4;
    static constexpr int ofsLayoutType = 8;
    static constexpr int ofsRebuildFlag = 12;
    static constexpr int ofsByte16 = 16;
    static constexpr int ofsGameName = 17;
    static constexpr int ofsGameDescription = 81;
    static constexpr int ofsFiller1 = 145;
    static constexpr int Filler1Size = 64;
    static constexpr int ofsIssueNumber = 212;
    static constexpr int ofsStreamKind = 216;
    static constexpr int ofsPlayMode = 217;
    static constexpr int ofsAidFlags = 218;
    static constexpr int ofsPencilFlags = 220;
    static constexpr int ofsFeatureBits = 221;
    static constexpr int ofsFiller2 = 225;
    static constexpr int Filler2Size = 128;
    static constexpr int ofsStreamPosition = 356;

    // The stream kind of a stored stream enciphered with the issue key.
    static constexpr uint8_t EncipheredStreamKind = 'F';

    using TBytes = std::array<uint8_t, RecordSize>;

    // A new record: format 1, rebuild flag 1, play mode 1, aid flags 255,
    // pencil flags 7, further feature bits 31, both filler areas drawn from
    // the program's random generator (RandomByte), every other byte 0.
    TPuzzleInfo();

    uint32_t GetRecordFormat() const { return GetUInt32(ofsRecordFormat); }
    void SetRecordFormat(uint32_t Value) { SetUInt32(ofsRecordFormat, Value); }
    uint32_t GetGameNumber() const { return GetUInt32(ofsGameNumber); }
    void SetGameNumber(uint32_t Value) { SetUInt32(ofsGameNumber, Value); }
    // Stored as a byte; the pyramid treats codes above 13 like 2.
    uint8_t GetLayoutType() const { return FBytes[ofsLayoutType]; }
    void SetLayoutType(uint8_t Value) { FBytes[ofsLayoutType] = Value; }
    uint32_t GetRebuildFlag() const { return GetUInt32(ofsRebuildFlag); }
    void SetRebuildFlag(uint32_t Value) { SetUInt32(ofsRebuildFlag, Value); }
    uint8_t GetByte16() const { return FBytes[ofsByte16]; }
    void SetByte16(uint8_t Value) { FBytes[ofsByte16] = Value; }

    // Texts read up to the first NUL or the whole 64 bytes when the field has
    // none. Writing cuts a longer text to 64 bytes and pads with NULs.
    std::string GetGameName() const { return GetText(ofsGameName); }
    void SetGameName(const std::string& Value) { SetText(ofsGameName, Value); }
    std::string GetGameDescription() const { return GetText(ofsGameDescription); }
    void SetGameDescription(const std::string& Value) { SetText(ofsGameDescription, Value); }
    // The forms to show and compare: trimmed of blanks at both ends.
    std::string GameNameTrimmed() const { return Trimmed(GetGameName()); }
    std::string GameDescriptionTrimmed() const { return Trimmed(GetGameDescription()); }

    uint32_t GetIssueNumber() const { return GetUInt32(ofsIssueNumber); }
    void SetIssueNumber(uint32_t Value) { SetUInt32(ofsIssueNumber, Value); }
    uint8_t GetStreamKind() const { return FBytes[ofsStreamKind]; }
    void SetStreamKind(uint8_t Value) { FBytes[ofsStreamKind] = Value; }
    bool IsEnciphered() const { return GetStreamKind() == EncipheredStreamKind; }
    uint8_t GetPlayMode() const { return FBytes[ofsPlayMode]; }
    void SetPlayMode(uint8_t Value) { FBytes[ofsPlayMode] = Value; }
    uint16_t GetAidFlags() const;
    void SetAidFlags(uint16_t Value);
    uint8_t GetPencilFlags() const { return FBytes[ofsPencilFlags]; }
    void SetPencilFlags(uint8_t Value) { FBytes[ofsPencilFlags] = Value; }
    uint32_t GetFeatureBits() const { return GetUInt32(ofsFeatureBits); }
    void SetFeatureBits(uint32_t Value) { SetUInt32(ofsFeatureBits, Value); }
    uint32_t GetStreamPosition() const { return GetUInt32(ofsStreamPosition); }
    void SetStreamPosition(uint32_t Value) { SetUInt32(ofsStreamPosition, Value); }

    // Any 32-bit word or text field by offset, for callers that copy fields
    // by their record offsets. Offsets must leave the field inside the record.
    uint32_t GetUInt32(int Offset) const;
    void SetUInt32(int Offset, uint32_t Value);
    std::string GetText(int Offset) const;
    void SetText(int Offset, const std::string& Value);

    // The whole record as bytes.
    const TBytes& Bytes() const { return FBytes; }
    TBytes& Bytes() { return FBytes; }
    const uint8_t* Data() const { return FBytes.data(); }
    uint8_t* Data() { return FBytes.data(); }

    // Reads 360 bytes at the stream's position. A short stream raises the
    // stream's read error and leaves this record unchanged.
    void LoadFromStream(TStream& Stream);
    // Writes the 360 bytes at the stream's position (EWriteError on failure).
    void SaveToStream(TStream& Stream) const;
    // Copies all 360 bytes of another record.
    void Assign(const TPuzzleInfo& Source) { FBytes = Source.FBytes; }

    static std::string Trimmed(const std::string& Text);

private:
    TBytes FBytes{};
};
