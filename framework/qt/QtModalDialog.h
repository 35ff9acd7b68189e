#pragma once

#include "WindowHandle.h"

#include <QDialog>
#include <QSize>

#include <optional>

struct DialogTemplate;

// A dialog built from a dialog template: static texts, icons and push buttons placed in
// dialog units of the template's font. Buttons give their ids to the framework dialog; Esc
// and the close box give IDCANCEL. Only the framework ends it (End).
class CQtModalDialog : public QDialog, public WindowHandle {
public:
    CQtModalDialog(CWnd* pOwner, const DialogTemplate& dialogTemplate, QWidget* pOwnerWidget);

    QWidget* Widget() override { return this; }
    // Pixels per four horizontal and per eight vertical dialog units.
    QSize BaseUnits() const { return m_baseUnits; }

    // Shows the dialog centred over its owner until End; returns the code given to End, or
    // IDCANCEL when the run was ended from outside (the whole program quitting).
    int Run();
    void End(int nResult);

    void reject() override;

private:
    QRect ToPixels(int x, int y, int cx, int cy) const;
    void AddControls(const DialogTemplate& dialogTemplate);
    void SendCommand(int nID);
    void CenterOverOwner();

    QSize m_baseUnits;
    std::optional<int> m_nResult;
};
