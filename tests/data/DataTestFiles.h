#pragma once
// Issue files and program folders for the data tests: real files made by the
// issue writer in a temporary folder that is removed afterwards.

#include "DataReporter.h"
#include "Exception.h"
#include "IssueWriter.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

// A fresh program folder with an empty "ISSUES" folder inside.
class TTempProgramFolder {
public:
    TTempProgramFolder()
    {
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            FPath =
                base / ("tavrel-data-" + std::to_string(std::chrono::system_clock::now().time_since_epoch().count()) +
                        "-" + std::to_string(counter++));
            std::error_code error;
            if (std::filesystem::create_directory(FPath, error)) {
                break;
            }
        }
        std::filesystem::create_directory(FPath / "ISSUES");
    }
    ~TTempProgramFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TTempProgramFolder(const TTempProgramFolder&) = delete;
    TTempProgramFolder& operator=(const TTempProgramFolder&) = delete;

    // The folder with its trailing separator, as the program passes it.
    std::string Folder() const { return (FPath / "").string(); }
    std::string Issue(const std::string& Name) const { return (FPath / "ISSUES" / Name).string(); }
    std::string GamesDat() const { return Issue("GAMES.DAT"); }

private:
    std::filesystem::path FPath;
};

// Records what the data layer reports instead of showing it.
class TRecordingReporter : public TDataReporter {
public:
    void ShowMessage(const std::string& Message) override { Messages.push_back(Message); }
    void ShowInstallationError(const std::string& Message) override { InstallationErrors.push_back(Message); }
    bool Quiet() const { return Messages.empty() && InstallationErrors.empty(); }
    std::vector<std::string> Messages;
    std::vector<std::string> InstallationErrors;
};

// The message of the Exception that Action raises, or "(no exception)".
inline std::string MessageOf(const std::function<void()>& Action)
{
    try {
        Action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return "(no exception)";
}

inline std::vector<uint8_t> ReadFileBytes(const std::string& FileName)
{
    std::ifstream in(FileName, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& FileName, const std::vector<uint8_t>& Bytes)
{
    std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
}

inline TIssueHeader SampleHeader(uint32_t IssueNumber)
{
    TIssueHeader header;
    header.IssueNumber = IssueNumber;
    header.Description = "Issue " + std::to_string(IssueNumber);
    for (size_t i = 0; i < header.Key.size(); ++i) {
        header.Key[i] = static_cast<uint8_t>(IssueNumber * 31 + i * 7);
    }
    return header;
}

// Games numbered First, First + 1, ...; kinds alternate 'F' and plain, and
// stream lengths vary round whole cipher blocks (0, 15, 16, 17 and pyramid
// sized).
inline std::vector<TPublishedGame> SampleGames(uint32_t First, int Count)
{
    static const size_t lengths[] = {1760, 0, 15, 16, 17, 352, 176 * 2};
    std::vector<TPublishedGame> games;
    for (int i = 0; i < Count; ++i) {
        const uint8_t kind = i % 2 == 0 ? 'F' : 'P';
        games.push_back(SampleGame(First + static_cast<uint32_t>(i), kind, lengths[i % 7], First));
    }
    return games;
}
