#include "VersionInfo.h"

#if defined(_WIN32)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "Platform.h"

#include <vector>

namespace {

// The version resource of the running program file, copied once; a file
// without one answers "missing" to everything.
class TResourceVersionInfo final : public TVersionInfoSource {
public:
    TResourceVersionInfo()
    {
        std::wstring FileName(MAX_PATH, L'\0');
        for (;;) {
            const DWORD Length = GetModuleFileNameW(nullptr, FileName.data(), static_cast<DWORD>(FileName.size()));
            if (Length == 0)
                return;
            if (Length < FileName.size()) {
                FileName.resize(Length);
                break;
            }
            FileName.resize(FileName.size() * 2);
        }
        DWORD Handle = 0;
        const DWORD Size = GetFileVersionInfoSizeW(FileName.c_str(), &Handle);
        if (Size == 0)
            return;
        FData.resize(Size);
        if (!GetFileVersionInfoW(FileName.c_str(), 0, Size, FData.data()))
            FData.clear();
    }

    std::optional<TFileVersion> FileVersion() const override
    {
        void* Value = nullptr;
        UINT Length = 0;
        if (FData.empty() || !VerQueryValueW(FData.data(), L"\\", &Value, &Length) || Length < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        const auto* Fixed = static_cast<const VS_FIXEDFILEINFO*>(Value);
        return TFileVersion{HIWORD(Fixed->dwFileVersionMS), LOWORD(Fixed->dwFileVersionMS)};
    }

    std::optional<std::string> StringValue(const std::string& Name) const override
    {
        if (FData.empty())
            return std::nullopt;
        const std::wstring Path = L"\\StringFileInfo\\040904E4\\" + Platform::WideFromUtf8(Name);
        void* Value = nullptr;
        UINT Length = 0;
        if (!VerQueryValueW(FData.data(), Path.c_str(), &Value, &Length) || Value == nullptr)
            return std::nullopt;
        // Length counts characters and may include the closing NUL.
        const auto* Text = static_cast<const wchar_t*>(Value);
        size_t Characters = Length;
        while (Characters > 0 && Text[Characters - 1] == L'\0')
            --Characters;
        return Platform::Utf8FromWide(Text, Characters);
    }

private:
    std::vector<unsigned char> FData;
};

}  // namespace

const TVersionInfoSource& ProgramVersionInfo()
{
    static const TResourceVersionInfo Info;
    return Info;
}

#else

#include "VersionValues.h"

namespace {

// Value names compare without regard to case, as the system's version
// functions compare them.
bool SameName(const std::string& Left, const char* Right)
{
    size_t Index = 0;
    for (; Index < Left.size() && Right[Index] != '\0'; ++Index) {
        const auto Lower = [](char Letter) {
            return Letter >= 'A' && Letter <= 'Z' ? static_cast<char>(Letter - 'A' + 'a') : Letter;
        };
        if (Lower(Left[Index]) != Lower(Right[Index]))
            return false;
    }
    return Index == Left.size() && Right[Index] == '\0';
}

class TBuiltInVersionInfo final : public TVersionInfoSource {
public:
    std::optional<TFileVersion> FileVersion() const override
    {
        return TFileVersion{static_cast<uint16_t>(VersionValues::Major), static_cast<uint16_t>(VersionValues::Minor)};
    }

    std::optional<std::string> StringValue(const std::string& Name) const override
    {
        for (const auto& Entry : VersionValues::Strings)
            if (SameName(Name, Entry.Name))
                return std::string(Entry.Value);
        return std::nullopt;
    }
};

}  // namespace

const TVersionInfoSource& ProgramVersionInfo()
{
    static const TBuiltInVersionInfo Info;
    return Info;
}

#endif
