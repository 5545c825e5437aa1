#include "wizard/WizardPage.h"
#include "app/DeployWizardDlg.h"
#include "res/resource.h"

// The texts bound as labels, the bold title first.
static const UINT kLabelIds[] = {IDC_PAGE_TITLE, IDC_PAGE_TEXT,  IDC_PAGE_ITEM1, IDC_PAGE_ITEM2,
                                 IDC_PAGE_ITEM3, IDC_PAGE_ITEM4, IDC_PAGE_NOTE,  IDC_PAGE_FOOTER};
static_assert(sizeof(kLabelIds) / sizeof(kLabelIds[0]) == 8, "one id per label");

CWizardPage::CWizardPage(UINT templateId, CDeployWizardDlg* wizard)
    : CDialog(templateId, wizard), m_pWizard(wizard) {}

BOOL CWizardPage::OnInitDialog()
{
    CDialog::OnInitDialog();

    LOGFONTA font{};
    ::GetObjectA(GetFont(), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&font);

    for (int i = 0; i < 8; ++i) {
        if (!GetDlgItem(static_cast<int>(kLabelIds[i])))
            continue;
        m_labels[i].SubclassDlgItem(kLabelIds[i], this);
        if (i == 0)
            m_labels[i].SetFont(m_fontBold, TRUE);
    }
    return TRUE;
}

bool CWizardPage::OnPaint()
{
    CPaintDC dc(this);
    CBitmap bitmap;
    bitmap.LoadBitmap(m_bHeaderStyle ? IDB_BANNER : IDB_SIDE);
    BITMAP size{};
    bitmap.GetBitmap(&size);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    HGDIOBJ oldBitmap = memory.SelectObject(bitmap);

    RECT rect;
    GetClientRect(&rect);
    const COLORREF white = RGB(255, 255, 255);
    if (m_bHeaderStyle) {
        rect.bottom = size.bmHeight;
        dc.FillSolidRect(rect, white);
        dc.BitBlt(rect.right - size.bmWidth, 0, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
        CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen highlight(PS_SOLID, 1, white);
        HGDIOBJ oldPen = dc.SelectObject(shadow);
        dc.MoveTo(0, size.bmHeight);
        dc.LineTo(rect.right, size.bmHeight);
        dc.SelectObject(highlight);
        dc.MoveTo(0, size.bmHeight + 1);
        dc.LineTo(rect.right, size.bmHeight + 1);
        dc.SelectObject(oldPen);
    } else {
        RECT right = rect;
        right.left = size.bmWidth;
        dc.FillSolidRect(right, white);
        dc.BitBlt(0, 0, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
    }
    memory.SelectObject(oldBitmap);
    return true;
}
