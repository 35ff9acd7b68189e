#pragma once

#include "View.h"

class CTarvelinDoc;

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

// The plot: the band levels of the document as one line over a log-frequency axis of 200
// pixels a decade (100 Hz at x 100) and a dB axis of 3 pixels a dB (-20 dB at y 0), with grid
// lines and labels, in fixed pixels from the top-left corner of the view.
class CTarvelinView : public CView {
    DECLARE_DYNCREATE(CTarvelinView)
public:
    CTarvelinDoc* GetDocument() const;

    // Where a band's level goes: x = trunc(200 * log10(80 * band)) - 300, raised to 100 at
    // the least; y = -60 - trunc(3 * level), 300 at the most, and -60 for a level that is not
    // a finite number.
    CPoint BandToPoint(int band, double level) const;

    bool PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;

protected:
    CTarvelinView() = default;

    DECLARE_MESSAGE_MAP()
};
