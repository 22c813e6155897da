// The two short sounds that every button of a menu shares: a click when a
// button is pressed and a sound when the mouse moves onto one. The project's
// own "click.wav" and "over.wav" play on the menu's MCI channels; where a file
// is missing, the sound built into the program (WAVE resources "WAVECLICK"
// and "WAVEOVER") plays instead.
#pragma once

#include "framework/Afx.h"

class CSoundObject;

class CButtonSounds : public CObject
{
    DECLARE_DYNAMIC(CButtonSounds)
public:
    // Construction: nothing wanted, nothing found, no channels.
    CButtonSounds();
    CButtonSounds(const CButtonSounds&) = delete;
    CButtonSounds& operator=(const CButtonSounds&) = delete;
    // Closes the channels it holds on the sound object, which must still live.
    ~CButtonSounds() override;

    // Attributes
    const CString& GetClickFile() const { return m_strClickFile; }
    BOOL IsClickFileFound() const { return m_bClickFound; }
    int GetClickChannel() const { return m_nClickChannel; }
    const CString& GetOverFile() const { return m_strOverFile; }
    BOOL IsOverFileFound() const { return m_bOverFound; }
    int GetOverChannel() const { return m_nOverChannel; }

    // Operations
    // Looks for the wanted sounds' files in the current folder, then in its
    // "sound" folder, and opens those found on the sound object (aliases
    // "CLICK" and "OVER", no error boxes, completion notices to the window).
    // Closes the channels of an earlier call first.
    void Init(BOOL bClickWanted, BOOL bOverWanted, CSoundObject* pSounds, CWnd* pNotifyWnd);
    void PlayClick();
    void PlayOver();

    // Overridables
protected:
    // Plays a WAVE resource of the program and returns when it has ended.
    virtual void PlayBuiltInSound(LPCSTR lpszName);

private:
    void CloseChannels();
    int OpenChannel(const CString& strFile, BOOL bFound, LPCSTR lpszAlias);

    CString m_strClickFile;
    CString m_strOverFile;
    BOOL m_bOverWanted;
    BOOL m_bClickWanted;
    BOOL m_bOverFound;
    int m_nOverChannel;
    BOOL m_bClickFound;
    int m_nClickChannel;
    CWnd* m_pNotifyWnd;
    CSoundObject* m_pSounds;
};
