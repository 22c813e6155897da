// Resource ids of the toolkit test program (above the toolkit's own).
#pragma once

#define IDR_XTDEMO          31000
#define ID_XTDEMO_EXIT      31001
#define ID_XTDEMO_TILE      31002
#define ID_XTDEMO_CASCADE   31003
#define ID_XTDEMO_COLOR     31004
#define ID_XTDEMO_COUNT     31005
