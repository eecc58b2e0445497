#include "RefusedIssues.h"

#include "Exception.h"
#include "FileStream.h"
#include "SafeFile.h"

#include <utility>

namespace {

const char AccessMark[] = "\topen";

std::string Key(const std::string& Name, const std::string& Source)
{
    return Name + '\t' + Source;
}

}  // namespace

TRefusedIssues::TRefusedIssues(std::string ListFile) : FListFile(std::move(ListFile)) {}

void TRefusedIssues::Load()
{
    if (FListFile.empty()) {
        return;
    }
    std::string text;
    try {
        TFileStream list(FListFile, TFileMode::fmOpenRead);
        // A list of refusals is a few lines; anything far larger is not ours.
        const int64_t size = list.GetSize();
        if (size > (1 << 20)) {
            return;
        }
        text.resize(static_cast<size_t>(size));
        list.ReadBuffer(text.data(), size);
    } catch (const Exception&) {
        return;
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.find('\t') == std::string::npos) {
            continue;
        }
        const size_t mark = line.size() >= sizeof(AccessMark) - 1 ? line.size() - (sizeof(AccessMark) - 1) : 0;
        if (line.compare(mark, std::string::npos, AccessMark) == 0 && line.find('\t') < mark) {
            FAccess.insert(line.substr(0, mark));
        } else {
            FContent.insert(line);
        }
    }
}

void TRefusedIssues::Save()
{
    if (!FChanged || FListFile.empty()) {
        return;
    }
    std::string text;
    for (const std::string& line : FContent) {
        text += line + '\n';
    }
    for (const std::string& line : FAccess) {
        text += line + AccessMark + '\n';
    }
    try {
        WriteFileWhole(FListFile, text);
        FChanged = false;
    } catch (const Exception&) {
    }
}

bool TRefusedIssues::Skips(const std::string& Name, const std::string& Source) const
{
    return FContent.count(Key(Name, Source)) != 0;
}

bool TRefusedIssues::Refuse(const std::string& Name, const std::string& Source, bool Access)
{
    const std::string key = Key(Name, Source);
    std::set<std::string>& into = Access ? FAccess : FContent;
    std::set<std::string>& other = Access ? FContent : FAccess;
    const bool news = FContent.count(key) == 0 && FAccess.count(key) == 0;
    if (other.erase(key) != 0 || into.insert(key).second) {
        FChanged = true;
    }
    return news;
}

void TRefusedIssues::Forget(const std::string& Name, const std::string& Source)
{
    const std::string key = Key(Name, Source);
    if (FContent.erase(key) + FAccess.erase(key) != 0) {
        FChanged = true;
    }
}

void TRefusedIssues::KeepOnly(const std::set<std::string>& Present)
{
    for (std::set<std::string>* list : {&FContent, &FAccess}) {
        for (auto it = list->begin(); it != list->end();) {
            if (Present.count(*it) == 0) {
                it = list->erase(it);
                FChanged = true;
            } else {
                ++it;
            }
        }
    }
}
