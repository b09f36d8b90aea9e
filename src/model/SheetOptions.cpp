#include "model/SheetOptions.h"

TSheetOptions::TSheetOptions() {
    SetVaneKind(0);
    SetNorm(0);
}

void TSheetOptions::SetNorm(int value) {
    Norm = static_cast<uint8_t>(value);
    // PN-B-04452 covers probing and both vane tests; the other standards as
    // used here cover dynamic probing only.
    bool all = value == 0;
    bool dp = value >= 0 && value <= 3;
    SupportsDP = dp;
    SupportsFVT = all;
    SupportsSLVT = all;
    SupportFlag4 = SupportFlag5 = SupportFlag6 = SupportFlag7 = dp;
    if ((VaneKind == 1 && !SupportsFVT) || (VaneKind == 2 && !SupportsSLVT))
        VaneKind = 0;
}
