#pragma once
// The solving methods a solve may use. The methods have a fixed order of
// precedence, their numbers: a solve tries them from the first to the last
// and starts again from the first after every success. The game takes the
// set from the settings list of methods; the publisher's grader names the
// set of each level itself.

#include <cstdint>

class TQVSettings;

// The solving methods in the order of the settings list; the item index is
// the method number given to IsMethodEnabled.
enum TSolveMethod {
    smScanning = 0,
    smPinned = 1,
    smSequence = 2,
    smLockedPairs = 3,
    smHiddenPairs = 4,
    smXWings = 5,
};

// The methods that have a step, first to last in order of precedence.
constexpr int FirstSolveMethod = smScanning;
constexpr int LastSolveMethod = smHiddenPairs;

class TMethodSet {
public:
    // No method at all.
    constexpr TMethodSet() = default;

    // Every method that has a step.
    static constexpr TMethodSet All() { return UpTo(LastSolveMethod); }
    // The methods from the first up to Last (for Last below the first: none).
    static constexpr TMethodSet UpTo(int Last)
    {
        TMethodSet Set;
        for (int Method = FirstSolveMethod; Method <= Last && Method <= LastSolveMethod; ++Method)
            Set = Set.With(Method, true);
        return Set;
    }

    // The set with Method switched on or off; numbers without a step (XWings
    // and any outside the list) are never in a set.
    constexpr TMethodSet With(int Method, bool On) const
    {
        if (Method < FirstSolveMethod || Method > LastSolveMethod)
            return *this;
        TMethodSet Set = *this;
        const uint8_t Bit = static_cast<uint8_t>(1u << Method);
        Set.FBits = static_cast<uint8_t>(On ? Set.FBits | Bit : Set.FBits & ~Bit);
        return Set;
    }

    constexpr bool Has(int Method) const
    {
        return Method >= FirstSolveMethod && Method <= LastSolveMethod && (FBits >> Method & 1u) != 0;
    }
    constexpr bool Empty() const { return FBits == 0; }

    friend constexpr bool operator==(TMethodSet, TMethodSet) = default;

private:
    uint8_t FBits = 0;
};

// The methods whose items the settings' list has checked.
TMethodSet MethodsOf(const TQVSettings& Settings);
