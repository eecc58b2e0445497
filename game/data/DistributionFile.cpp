#include "DistributionFile.h"

#include "DataFields.h"

#include "CopyStream.h"
#include "Encrypt.h"
#include "Exception.h"
#include "FileStream.h"
#include "Platform.h"

#include <algorithm>

namespace {

// A stored stream's length word plus its record: what each game takes at
// least, so a header's game count never reserves more than the payload holds.
constexpr int64_t MinimumGameSize = 4 + TPuzzleInfo::RecordSize;

// Every failure names the file it is about, so the player can find the bad
// one: a message that names it already stays as it is.
TText NamingFile(const TText& Message, const std::string& FileName)
{
    if (!FileName.empty() && Message.English().find(FileName) != std::string::npos) {
        return Message;
    }
    return TText(TR_TEXT("DistributionFile", "Invalid file %1 - %2"), FileName, Message);
}

template <typename TAction>
void NamedFailures(const std::string& FileName, TAction Action)
{
    try {
        Action();
    } catch (const EFOpenError& error) {
        throw EFOpenError(NamingFile(error.Text(), FileName));
    } catch (const Exception& error) {
        throw Exception(NamingFile(error.Text(), FileName));
    }
}

}  // namespace

TDistributionFile::TDistributionFile(const std::string& FileName) : FFileName(FileName)
{
    NamedFailures(FileName, [&] {
        TMemoryStream payload;
        {
            TFileStream source(FileName, TFileMode::fmOpenRead);
            ReadPayload(source, FileName, payload);
        }
        ReadAllGames(payload);
    });
}

TDistributionFile::TDistributionFile(const std::string& ProgramFolder, const std::string& Name, uint32_t RecordPosition)
    : FFileName(Name)
{
    NamedFailures(Name, [&] {
        TMemoryStream payload;
        {
            TFileStream source(IssueFolder(ProgramFolder) + Name, TFileMode::fmOpenRead);
            ReadPayload(source, Name, payload);
        }
        ReadOneGame(payload, RecordPosition);
    });
}

std::unique_ptr<TDistributionFile> TDistributionFile::ReadIssue(TStream& Source, const std::string& FileName)
{
    std::unique_ptr<TDistributionFile> issue(new TDistributionFile());
    issue->FFileName = FileName;
    NamedFailures(FileName, [&] {
        TMemoryStream payload;
        issue->ReadPayload(Source, FileName, payload);
        issue->ReadAllGames(payload);
    });
    return issue;
}

std::unique_ptr<TDistributionFile> TDistributionFile::ReadGame(TStream& Source, const std::string& FileName,
                                                               uint32_t RecordPosition)
{
    std::unique_ptr<TDistributionFile> issue(new TDistributionFile());
    issue->FFileName = FileName;
    NamedFailures(FileName, [&] {
        TMemoryStream payload;
        issue->ReadPayload(Source, FileName, payload);
        issue->ReadOneGame(payload, RecordPosition);
    });
    return issue;
}

std::string TDistributionFile::IssueFolder(const std::string& ProgramFolder)
{
    const char separator = Platform::PathSeparator();
    std::string folder = ProgramFolder;
    if (!folder.empty() && folder.back() != separator && folder.back() != '/') {
        folder += separator;
    }
    return folder + "ISSUES" + separator;
}

void TDistributionFile::ReadPayload(TStream& Source, const std::string& FileName, TMemoryStream& Payload)
{
    if (!VerifyStream(Source, Payload)) {
        throw Exception(TR_TEXT("DistributionFile", "Invalid file %1 - Wrong signature"), FileName);
    }
    Payload.SetPosition(0);
    Payload.ReadBuffer(FHeader.data(), HeaderSize);
    if (GetVersion() != FormatVersion) {
        throw Exception(TR_TEXT("DistributionFile", "Invalid file %1 - Wrong version"), FileName);
    }
}

void TDistributionFile::ReadAllGames(TMemoryStream& Payload)
{
    // Each game takes its length word and its record at the least: a count
    // the payload cannot hold is refused before any game is read, so a few
    // bytes can never make the program build millions of games.
    const uint32_t count = GetHeaderGameCount();
    const int64_t room = (Payload.GetSize() - HeaderSize) / MinimumGameSize;
    if (static_cast<int64_t>(count) > room) {
        throw Exception(
            TR_TEXT("DistributionFile", "Invalid file %1 - Its header counts %2 games, more than the file holds"),
            FFileName, count);
    }
    FStreams.reserve(count);
    FRecords.reserve(count);
    FRecordPositions.reserve(count);

    for (uint32_t game = 0; game < count; ++game) {
        const uint32_t length = Payload.ReadUInt32();
        auto stored = std::make_unique<TMemoryStream>();
        CopyStream(Payload, Payload.GetPosition(), *stored, length);
        stored->SetPosition(0);
        FStreams.push_back(std::move(stored));
    }
    // One record object reused: each new one would draw its filler bytes
    // from the program's generator.
    TPuzzleInfo record;
    for (uint32_t game = 0; game < count; ++game) {
        FRecordPositions.push_back(static_cast<uint32_t>(Payload.GetPosition()));
        record.LoadFromStream(Payload);
        FRecords.push_back(record);
    }
}

void TDistributionFile::ReadOneGame(TMemoryStream& Payload, uint32_t Position)
{
    TPuzzleInfo record;
    Payload.SetPosition(Position);
    record.LoadFromStream(Payload);

    Payload.SetPosition(record.GetStreamPosition());
    const uint32_t length = Payload.ReadUInt32();
    auto stored = std::make_unique<TMemoryStream>();
    CopyStream(Payload, Payload.GetPosition(), *stored, length);
    stored->SetPosition(0);

    FStreams.push_back(std::move(stored));
    FRecords.push_back(record);
    FRecordPositions.push_back(Position);
}

uint32_t TDistributionFile::GetVersion() const
{
    return DataFields::GetUInt32(FHeader.data() + ofsVersion);
}

uint32_t TDistributionFile::GetIssueNumber() const
{
    return DataFields::GetUInt32(FHeader.data() + ofsIssueNumber);
}

std::string TDistributionFile::GetDescription() const
{
    return DataFields::GetText(FHeader.data() + ofsDescription, DescriptionSize);
}

uint32_t TDistributionFile::GetHeaderGameCount() const
{
    return DataFields::GetUInt32(FHeader.data() + ofsGameCount);
}

void TDistributionFile::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GameCount()) {
        throw Exception(TR_TEXT("DistributionFile", "Game index %1 out of range (%2 games)"), Index, GameCount());
    }
}

const TPuzzleInfo& TDistributionFile::GameRecord(int Index) const
{
    CheckIndex(Index);
    return FRecords[static_cast<size_t>(Index)];
}

uint32_t TDistributionFile::RecordPosition(int Index) const
{
    CheckIndex(Index);
    return FRecordPositions[static_cast<size_t>(Index)];
}

const TMemoryStream& TDistributionFile::StoredStream(int Index) const
{
    CheckIndex(Index);
    return *FStreams[static_cast<size_t>(Index)];
}

TMemoryStream& TDistributionFile::PuzzleStream(int Index)
{
    CheckIndex(Index);
    TMemoryStream& stored = *FStreams[static_cast<size_t>(Index)];
    if (!FRecords[static_cast<size_t>(Index)].IsEnciphered()) {
        stored.SetPosition(0);
        return stored;
    }
    // The cipher writes over the output without truncating it; emptied first
    // so that a shorter stream never carries the tail of a longer one.
    FOutput.Clear();
    stored.SetPosition(0);
    NamedFailures(FFileName, [&] { DecryptStream(stored, FOutput, Key()); });
    FOutput.SetPosition(0);
    return FOutput;
}
