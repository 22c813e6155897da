// The picture of a bitmap button: three states of equal height stacked from
// the top (normal, mouse over, pressed) and one row below them whose first
// pixel gives the transparent colour. The player's button and the editor's
// button sheet judge a picture by the same rule.
#pragma once

// TRUE when a picture of this height is such a strip with at least one pixel
// row per state.
bool IsStateStripHeight(int nHeight);

// The height of one state of a strip of this height.
int StateHeightOfStrip(int nHeight);
