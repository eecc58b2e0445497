#pragma once
// The exception of the Encrypt library. It derives from the system's
// Exception, whose type information is visible across the library boundary,
// so callers catch it as Exception and read its message.

#include "Exception.h"

class ECipherException : public Exception {
public:
    using Exception::Exception;
};
