#pragma once
// The common base of the library's hash, cipher and signature objects. Each
// object is made, used and freed inside one exported call; none is copied.

class TEncBaseComponent {
public:
    TEncBaseComponent() = default;
    virtual ~TEncBaseComponent() = default;
    TEncBaseComponent(const TEncBaseComponent&) = delete;
    TEncBaseComponent& operator=(const TEncBaseComponent&) = delete;
};
