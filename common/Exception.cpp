#include "Exception.h"

EReadError::EReadError() : Exception("Stream read error") {}

EWriteError::EWriteError() : Exception("Stream write error") {}
