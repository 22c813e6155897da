// Maps the project folder to a drive letter (SUBST), so that the menu can be
// tried as if it ran from a CD; the letter is kept in SETTINGS/VIRTUAL_DRIVE.
#pragma once

#include "framework/Dialog.h"

#include <functional>

class CVirtualDriveDlg : public CDialog
{
    DECLARE_DYNAMIC(CVirtualDriveDlg)
public:
    explicit CVirtualDriveDlg(CWnd* pParentWnd = nullptr);

    // The drive proposed for mapping (1 = A): the one after the last existing
    // drive from Y down to D (C when none), two further on when it lies before V.
    static int FindFreeDriveLetter(const std::function<BOOL(int nDrive)>& driveExists);

    CString m_strLetter;   // as shown, one character at most
    char m_chLetter;       // upper case, blank for none
    CString m_strFolder;   // the folder to map
    int m_nFlag;

protected:
    // TRUE when the drive (1 = A) can be made the current one; the current
    // drive stays as it was.
    virtual BOOL DriveExists(int nDrive);
    int FindFreeDriveLetter();
    // A letter from D to Z.
    BOOL IsUsableLetter() const { return m_chLetter >= 'D' && m_chLetter <= 'Z'; }
    BOOL LetterDriveExists() { return DriveExists(m_chLetter - 'A' + 1); }
    // Runs the command interpreter with the parameters.
    void RunCommandInterpreter(LPCSTR lpszDefault, const CString& strParameters);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL CreateDrive();
    void OnCreate() { CreateDrive(); }
    void OnDelete();
    void OnTest();
    void OnShow();
    void OnSearch();
    void OnHelp();

    DECLARE_MESSAGE_MAP()
};
