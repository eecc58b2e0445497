#pragma once
// Raised when a bulk update (a load) leaves a cell without any possible digit:
// the puzzle data contradicts itself.

#include "Exception.h"

class ENoPossibilities : public Exception {
public:
    ENoPossibilities() : Exception(TR_TEXT("NoPossibilities", "Possibilities error")) {}
};
