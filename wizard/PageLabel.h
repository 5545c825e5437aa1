// CPageLabel: a static text drawn black on white with word wrapping,
// whatever its enabled state.
#pragma once
#include "framework/Framework.h"

class CPageLabel : public CStatic {
public:
    ~CPageLabel() override { DestroyWindow(); }

    const COLORREF m_crText = RGB(0, 0, 0);
    const COLORREF m_crBack = RGB(255, 255, 255);

protected:
    bool OnPaint() override;
    // Stores the text and repaints through OnPaint: the static control's own
    // repaint on a text change would draw it in the dialog's colours.
    bool OnSetText(LPARAM text) override;
};
