#include "shared/menuobj/StateStrip.h"

bool IsStateStripHeight(int nHeight)
{
    return nHeight >= 4 && (nHeight - 1) % 3 == 0;
}

int StateHeightOfStrip(int nHeight)
{
    return (nHeight - 1) / 3;
}
