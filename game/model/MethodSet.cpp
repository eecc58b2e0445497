#include "MethodSet.h"

#include "QVSettings.h"

TMethodSet MethodsOf(const TQVSettings& Settings)
{
    TMethodSet Methods;
    for (int Method = FirstSolveMethod; Method <= LastSolveMethod; ++Method)
        Methods = Methods.With(Method, Settings.IsMethodEnabled(Method));
    return Methods;
}
