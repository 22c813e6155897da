#include "shared/support/Umlaut.h"

void MakeLowerUmlaut(CString& str)
{
    str.MakeLower();
    for (int i = 0; i < str.GetLength(); ++i)
    {
        switch ((unsigned char)str[i])
        {
        case 0xC4: str.SetAt(i, (char)0xE4); break;
        case 0xD6: str.SetAt(i, (char)0xF6); break;
        case 0xDC: str.SetAt(i, (char)0xFC); break;
        default: break;
        }
    }
}
