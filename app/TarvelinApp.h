#pragma once

#include "WinApp.h"

// The program: one single-document template binding the spectrum document, the main frame
// and the plot view to the IDR_MAINFRAME resources, settings under the "Local
// AppWizard-Generated Applications" key, and the About box.
class CTarvelinApp : public CWinApp {
public:
    CTarvelinApp() = default;

    bool InitInstance() override;
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};
