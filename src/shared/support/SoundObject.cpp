#include "shared/support/SoundObject.h"

IMPLEMENT_DYNAMIC(CSoundObject, CObject)

CSoundObject::~CSoundObject()
{
    CloseAll();
}

CMciPlayer* CSoundObject::ChannelAt(int nIndex)
{
    return nIndex >= 0 && nIndex < channelCount ? &m_channels[nIndex] : nullptr;
}

int CSoundObject::GetDeviceID(int nIndex) const
{
    return nIndex >= 0 && nIndex < channelCount ? m_channels[nIndex].GetDeviceID() : -1;
}

int CSoundObject::Open(LPCSTR lpszPath, LPCSTR lpszAlias, BOOL bShowErrors, CWnd* pNotifyWnd)
{
    for (int nIndex = 0; nIndex < channelCount; ++nIndex)
    {
        if (m_channels[nIndex].GetDeviceID() >= 0)
            continue;
        // A channel that failed to open stays free: handing out its index
        // would let two owners play and close each other's sounds.
        if (m_channels[nIndex].WavOpen(lpszPath, lpszAlias, bShowErrors, pNotifyWnd) != 0)
            return -1;
        return nIndex;
    }
    return -1;
}

void CSoundObject::Play(int nIndex, BOOL bRepeat)
{
    if (CMciPlayer* pChannel = ChannelAt(nIndex))
    {
        pChannel->SetRepeat(bRepeat);
        pChannel->WavPlay();
    }
}

void CSoundObject::Resume(int nIndex, BOOL bRepeat)
{
    if (CMciPlayer* pChannel = ChannelAt(nIndex))
    {
        pChannel->SetRepeat(bRepeat);
        pChannel->WavResume();
    }
}

void CSoundObject::Stop(int nIndex)
{
    if (CMciPlayer* pChannel = ChannelAt(nIndex))
        pChannel->WavStop();
}

void CSoundObject::Close(int nIndex)
{
    if (CMciPlayer* pChannel = ChannelAt(nIndex))
        pChannel->WavClose();
}

void CSoundObject::OnNotify(int nDeviceID)
{
    for (CMciPlayer& channel : m_channels)
        channel.OnNotify(nDeviceID);
}

void CSoundObject::CloseAll()
{
    for (CMciPlayer& channel : m_channels)
        channel.WavClose();
}
