#pragma once
// The per-game feature rules: at every game start every feature is made
// available, then what the game does not offer is taken away, by hiding menu
// items, sheets and panels of the main window and by disabling controls of
// the settings dialog (a disabled setting counts as off). The pencil part
// runs again on every change of the mark style. The rules hold no state.

class TfrmMain;
class TPuzzleInfo;

class THideOpts {
public:
    explicit THideOpts(TfrmMain& Main) : FMain(Main) {}

    void ApplyGameFeatures(const TPuzzleInfo& Record);
    void ShowAllFeatures();
    void HidePlayControls();
    void ApplyPencilFeatures(bool Shown, const TPuzzleInfo& Record);
    void ApplyHiLiteFeatures(bool Offered);

private:
    TfrmMain& FMain;
};
