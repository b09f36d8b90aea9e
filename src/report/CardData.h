#pragma once

struct TCardContext;

// The test's data drawn into the card's columns, in two groups: the first is
// recorded before the card's rules and grid (so they draw over it), the
// second after them.

// I_D and vane values, I_S values, blow-count bars, shear bars, the I_D
// diagram's bands, and the profile column (layer colours and outlines, water
// levels, soil symbols, layer means).
void DrawCardDataUnderGrid(TCardContext& c);
// Corrected blow counts, wrench readings, the step chart and the I_D line.
void DrawCardDataOverGrid(TCardContext& c);

// The profile column alone (part of DrawCardDataUnderGrid).
void DrawProfileColumn(TCardContext& c);
