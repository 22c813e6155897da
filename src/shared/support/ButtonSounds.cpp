#include "shared/support/ButtonSounds.h"

#include "shared/support/SoundObject.h"
#include "shared/support/WaveResource.h"

IMPLEMENT_DYNAMIC(CButtonSounds, CObject)

namespace {

const int kNoChannel = -1;

bool CanOpenForReading(const CString& strPath)
{
    CFile file;
    return file.Open(strPath, CFile::modeRead | CFile::shareDenyNone) != FALSE;
}

// The sound file in the current folder when it opens there, else the one in
// its "sound" folder; bFound tells whether the chosen one opens.
CString FindSoundFile(LPCSTR lpszName, BOOL& bFound)
{
    const CString strHere = lpszName;
    if (CanOpenForReading(strHere))
    {
        bFound = TRUE;
        return strHere;
    }
    const CString strInSoundFolder = CString("sound\\") + lpszName;
    bFound = CanOpenForReading(strInSoundFolder);
    return strInSoundFolder;
}

} // namespace

CButtonSounds::CButtonSounds()
    : m_bOverWanted(FALSE), m_bClickWanted(FALSE), m_bOverFound(FALSE), m_nOverChannel(kNoChannel),
      m_bClickFound(FALSE), m_nClickChannel(kNoChannel), m_pNotifyWnd(nullptr), m_pSounds(nullptr)
{
}

CButtonSounds::~CButtonSounds()
{
    CloseChannels();
}

void CButtonSounds::Init(BOOL bClickWanted, BOOL bOverWanted, CSoundObject* pSounds, CWnd* pNotifyWnd)
{
    // 1. The channels of the last set-up.
    CloseChannels();
    // 2. The new choices; what an earlier call found no longer counts.
    m_bClickWanted = bClickWanted;
    m_bOverWanted = bOverWanted;
    m_pSounds = pSounds;
    m_pNotifyWnd = pNotifyWnd;
    m_strClickFile.Empty();
    m_strOverFile.Empty();
    m_bClickFound = FALSE;
    m_bOverFound = FALSE;
    // 3., 4. The project's files.
    if (m_bClickWanted)
        m_strClickFile = FindSoundFile("click.wav", m_bClickFound);
    if (m_bOverWanted)
        m_strOverFile = FindSoundFile("over.wav", m_bOverFound);
    // 5. Their channels.
    m_nClickChannel = OpenChannel(m_strClickFile, m_bClickFound, "CLICK");
    m_nOverChannel = OpenChannel(m_strOverFile, m_bOverFound, "OVER");
}

void CButtonSounds::PlayClick()
{
    if (m_bClickFound)
    {
        if (m_pSounds != nullptr)
            m_pSounds->Play(m_nClickChannel, FALSE);
    }
    else if (m_bClickWanted)
        PlayBuiltInSound("WAVECLICK");
}

void CButtonSounds::PlayOver()
{
    if (m_bOverFound)
    {
        if (m_pSounds != nullptr)
            m_pSounds->Play(m_nOverChannel, FALSE);
    }
    else if (m_bOverWanted)
        PlayBuiltInSound("WAVEOVER");
}

void CButtonSounds::PlayBuiltInSound(LPCSTR lpszName)
{
    PlayWaveResource(lpszName);
}

void CButtonSounds::CloseChannels()
{
    if (m_pSounds != nullptr)
    {
        if (m_nClickChannel != kNoChannel)
            m_pSounds->Close(m_nClickChannel);
        if (m_nOverChannel != kNoChannel)
            m_pSounds->Close(m_nOverChannel);
    }
    m_nClickChannel = kNoChannel;
    m_nOverChannel = kNoChannel;
}

// A file that is there but does not open as a channel plays nothing.
int CButtonSounds::OpenChannel(const CString& strFile, BOOL bFound, LPCSTR lpszAlias)
{
    if (!bFound || m_pSounds == nullptr)
        return kNoChannel;
    return m_pSounds->Open(strFile, lpszAlias, FALSE, m_pNotifyWnd);
}
