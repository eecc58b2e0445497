#pragma once
// The general exception class: every failure of the system is an Exception
// (or a class derived from it) carrying its formatted message text.
//
// The class's type information is visible outside the Encrypt library, so an
// exception raised inside the library is caught by its base class in the game
// program. Its members are inline and stay hidden.

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
    explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
    ~Exception() override = default;

    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
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
