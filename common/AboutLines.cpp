#include "AboutLines.h"

#include "Format.h"

#include <optional>

const char* const DefaultNoticeText = "Copyright (C) Tavrel Sudoku International. All rights reserved.";
const char* const DefaultOwnerName = "Tavrel Sudoku International";
const char* const SharingNoticeText = "You are welcome to share Tavrel Sudoku and its issue files with your friends, "
                                      "free of charge and unchanged.";

namespace {

// A value that is there and not empty.
std::optional<std::string> Present(const TVersionInfoSource& Source, const char* Name)
{
    std::optional<std::string> Value = Source.StringValue(Name);
    if (Value && Value->empty())
        return std::nullopt;
    return Value;
}

}  // namespace

TAboutLines ComposeAboutLines(const TVersionInfoSource& Source, const std::string& ProductName,
                              const std::string& Comment)
{
    TAboutLines Lines;
    Lines.ProductName = ProductName;
    if (const std::optional<TFileVersion> Version = Source.FileVersion())
        Lines.Version =
            Format("Version %u.%u", static_cast<unsigned>(Version->Major), static_cast<unsigned>(Version->Minor));
    Lines.Notice = Present(Source, "LegalCopyright").value_or(DefaultNoticeText);
    const std::string Owner = Present(Source, "CompanyName").value_or(DefaultOwnerName);
    if (const std::optional<std::string> TradeMarks = Present(Source, "LegalTradeMarks"))
        Lines.TradeMarks = "The following are registered trademarks of " + Owner + " " + *TradeMarks;
    Lines.Comments = Comment;
    return Lines;
}
