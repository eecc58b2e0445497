#include "Exception.h"

EReadError::EReadError() : Exception(TR_TEXT("Exception", "Stream read error")) {}

EWriteError::EWriteError() : Exception(TR_TEXT("Exception", "Stream write error")) {}
