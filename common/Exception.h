#pragma once
// The general exception class: every failure of the system is an Exception
// (or a class derived from it) carrying its formatted message text, and,
// where it was raised with a template (Text.h), that template and its
// arguments, so that the window layer can show it in the player's language.
//
// The class's type information is visible outside the Encrypt library, so an
// exception raised inside the library is caught by its base class in the game
// program. Its members are inline and stay hidden.

#include "Text.h"

#include <exception>
#include <string>
#include <utility>

#if defined(_WIN32)
#define TAVREL_SHARED_TYPE
#else
#define TAVREL_SHARED_TYPE __attribute__((visibility("default")))
#endif

class TAVREL_SHARED_TYPE Exception : public std::exception {
public:
    explicit Exception(std::string Message) : FMessage(Message), FText(std::move(Message)) {}
    explicit Exception(TText Text) : FMessage(Text.English()), FText(std::move(Text)) {}
    template <typename... TArgs>
    explicit Exception(TTextSource Source, const TArgs&... Args) : Exception(TText(Source, Args...))
    {
    }
    ~Exception() override = default;

    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }
    // The template and its arguments; for a message given as a finished
    // string, a plain text of it (not Translatable()), so that a message
    // built round this one keeps its words either way.
    const TText& Text() const noexcept { return FText; }

private:
    std::string FMessage;
    TText FText;
};

// A read that delivered fewer bytes than were asked for ("Stream read error").
class EReadError : public Exception {
public:
    using Exception::Exception;
    EReadError();
};

// A write that stored fewer bytes than were asked for ("Stream write error").
class EWriteError : public Exception {
public:
    using Exception::Exception;
    EWriteError();
};

// A file that could not be opened or created; the message names the file.
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};
