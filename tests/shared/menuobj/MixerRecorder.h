// Replaces the mixer functions while it lives: every call is counted by name,
// and a mixer with one speakers line whose volume control runs from 0 to
// 65535 answers them.
#pragma once

#include "shared/menuobj/MixerVolume.h"

#include <map>
#include <string>

namespace mixer_testing {

class MixerRecorder
{
public:
    MixerRecorder()
    {
        Calls().clear();
        Volume() = 16384;
        m_previous = CMixerVolume::SetFunctions({ GetNumDevs, Open, GetDevCaps, GetLineInfo, GetLineControls,
                                                  GetControlDetails, SetControlDetails, Close });
    }
    ~MixerRecorder() { CMixerVolume::SetFunctions(m_previous); }
    MixerRecorder(const MixerRecorder&) = delete;
    MixerRecorder& operator=(const MixerRecorder&) = delete;

    int Count(const char* name) const { return Calls()[name]; }
    int Total() const
    {
        int n = 0;
        for (const auto& call : Calls())
            n += call.second;
        return n;
    }
    static DWORD& Volume()
    {
        static DWORD dwVolume;
        return dwVolume;
    }

    static const DWORD kControlId = 7;

private:
    static std::map<std::string, int>& Calls()
    {
        static std::map<std::string, int> calls;
        return calls;
    }
    static HMIXER Handle() { return reinterpret_cast<HMIXER>(0x1234); }

    static UINT WINAPI GetNumDevs()
    {
        ++Calls()["GetNumDevs"];
        return 1;
    }
    static MMRESULT WINAPI Open(LPHMIXER phmx, UINT, DWORD_PTR, DWORD_PTR, DWORD)
    {
        ++Calls()["Open"];
        *phmx = Handle();
        return MMSYSERR_NOERROR;
    }
    static MMRESULT WINAPI GetDevCaps(UINT_PTR, LPMIXERCAPSA, UINT)
    {
        ++Calls()["GetDevCaps"];
        return MMSYSERR_NOERROR;
    }
    static MMRESULT WINAPI GetLineInfo(HMIXEROBJ, LPMIXERLINEA pLine, DWORD)
    {
        ++Calls()["GetLineInfo"];
        pLine->dwLineID = 3;
        lstrcpynA(pLine->szName, "Speakers", sizeof(pLine->szName));
        return pLine->dwComponentType == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS ? MMSYSERR_NOERROR : MIXERR_INVALLINE;
    }
    static MMRESULT WINAPI GetLineControls(HMIXEROBJ, LPMIXERLINECONTROLSA pControls, DWORD)
    {
        ++Calls()["GetLineControls"];
        if (pControls->dwLineID != 3 || pControls->dwControlType != MIXERCONTROL_CONTROLTYPE_VOLUME)
            return MIXERR_INVALCONTROL;
        MIXERCONTROLA& control = pControls->pamxctrl[0];
        control.dwControlID = kControlId;
        // A name that fills its field without a terminating zero.
        memset(control.szName, 'V', sizeof(control.szName));
        control.Bounds.dwMinimum = 0;
        control.Bounds.dwMaximum = 65535;
        return MMSYSERR_NOERROR;
    }
    static MMRESULT WINAPI GetControlDetails(HMIXEROBJ, LPMIXERCONTROLDETAILS pDetails, DWORD)
    {
        ++Calls()["GetControlDetails"];
        static_cast<MIXERCONTROLDETAILS_UNSIGNED*>(pDetails->paDetails)->dwValue = Volume();
        return pDetails->dwControlID == kControlId ? MMSYSERR_NOERROR : MIXERR_INVALCONTROL;
    }
    static MMRESULT WINAPI SetControlDetails(HMIXEROBJ, LPMIXERCONTROLDETAILS pDetails, DWORD)
    {
        ++Calls()["SetControlDetails"];
        Volume() = static_cast<MIXERCONTROLDETAILS_UNSIGNED*>(pDetails->paDetails)->dwValue;
        return pDetails->dwControlID == kControlId ? MMSYSERR_NOERROR : MIXERR_INVALCONTROL;
    }
    static MMRESULT WINAPI Close(HMIXER)
    {
        ++Calls()["Close"];
        return MMSYSERR_NOERROR;
    }

    MIXER_FUNCTIONS m_previous;
};

} // namespace mixer_testing
