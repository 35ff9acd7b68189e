#include "ExportPlot.h"
#include "QtWindowSystem.h"
#include "ResourceSet.h"
#include "TarvelinResources.h"
#include "WinApp.h"

#include <cstring>

int main(int argc, char** argv)
{
    // A developer's option: the picture of the window as a PNG, for machines without a display.
    if (argc > 1 && std::strcmp(argv[1], "--export-png") == 0)
        return ExportPlot(argc, argv);
    AfxSetResourceSet(&TarvelinResources());
    CQtWindowSystem windowSystem(argc, argv);
    return AfxWinMain(windowSystem, argc, argv);
}
