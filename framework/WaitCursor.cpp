#include "WaitCursor.h"

#include "Wnd.h"

CWaitCursor::CWaitCursor()
{
    AfxGetWindowSystem().BeginWaitCursor();
}

CWaitCursor::~CWaitCursor()
{
    AfxGetWindowSystem().EndWaitCursor();
}
