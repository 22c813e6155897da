// The "Loading..." window that the player shows while it starts.
#pragma once

#include "framework/Dialog.h"

class CLoadingDlg : public CDialog
{
    DECLARE_DYNAMIC(CLoadingDlg)
public:
    // The window deletes itself when it goes; *ppForget (when given) is set to
    // null then, so that its owner never holds a dangling pointer.
    explicit CLoadingDlg(CLoadingDlg** ppForget = nullptr);

    using CDialog::Create;
    BOOL Create(CWnd* pParentWnd = nullptr);

    static constexpr int kWidth = 450;
    static constexpr int kHeight = 300;
    static constexpr int kIconSize = 32;
    static constexpr int kIconTop = 180;
    static constexpr int kNameTop = 80;
    static constexpr int kLoadingTop = 110;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CLoadingDlg** m_ppForget;
};
