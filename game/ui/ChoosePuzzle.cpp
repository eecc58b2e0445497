#include "ChoosePuzzle.h"
