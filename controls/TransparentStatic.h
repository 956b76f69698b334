#pragma once
#include "framework/Static.h"

// A label that paints only its text, straight onto whatever its parent drew
// behind it. A new text is stored while the label is hidden, so the parent
// repaints its background there and the old text disappears.
class CTransparentStatic : public CStatic {
public:
    CTransparentStatic() = default;
    ~CTransparentStatic() override = default;

protected:
    void OnPaint();
    LRESULT OnSetText(LPCSTR text);
    DECLARE_MESSAGE_MAP()
};
