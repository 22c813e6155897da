// The four MCI sound channels of a menu: the background sound, the sounds that
// buttons start, and the buttons' click and mouse-over sounds share them.
#pragma once

#include "shared/support/MciPlayer.h"

class CSoundObject : public CObject
{
    DECLARE_DYNAMIC(CSoundObject)
public:
    enum { channelCount = 4 };

    CSoundObject() = default;
    CSoundObject(const CSoundObject&) = delete;
    CSoundObject& operator=(const CSoundObject&) = delete;
    ~CSoundObject() override;

    // Operations; an index outside 0 to 3 is ignored.
    // Opens the file on the first free channel and returns its index; -1 when
    // all channels are in use or the file cannot be opened.
    int Open(LPCSTR lpszPath, LPCSTR lpszAlias, BOOL bShowErrors, CWnd* pNotifyWnd);
    void Play(int nIndex, BOOL bRepeat);
    void Resume(int nIndex, BOOL bRepeat);
    void Stop(int nIndex);
    void Close(int nIndex);
    // Hands a completion notice (the device id of MM_MCINOTIFY) to every channel.
    void OnNotify(int nDeviceID);
    void CloseAll();
    // The MCI device id of a channel's sound; -1 while it is closed.
    int GetDeviceID(int nIndex) const;

private:
    CMciPlayer* ChannelAt(int nIndex);   // null outside 0 to 3

    CMciPlayer m_channels[channelCount];
};
