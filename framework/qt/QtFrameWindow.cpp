#include "QtFrameWindow.h"

#include "QtAccelerators.h"
#include "QtIcon.h"
#include "WinConstants.h"
#include "Wnd.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QVBoxLayout>

CQtFrameWindow::CQtFrameWindow(CWnd* pOwner, const IWindowSystem::FrameParams& params) : WindowHandle(pOwner)
{
    SetTitle(params.title);
    if (params.pIcon != nullptr)
        setWindowIcon(IconFromGroup(*params.pIcon));
    // The menu stays in the window, the same on every desktop.
    menuBar()->setNativeMenuBar(false);
    if (params.pMenu != nullptr)
        m_pMenuBar = std::make_unique<CQtMenuBar>(*menuBar(), *this, *params.pMenu);
    if (params.pAccelerators != nullptr) {
        InstallAccelerators(*this, *params.pAccelerators, [this](unsigned nID) {
            if (CWnd* pFrame = Owner())
                CallFramework([&] { pFrame->OnCommand(nID); });
        });
    }
    m_bClientEdge = (params.exStyle & WS_EX_CLIENTEDGE) != 0u;
}

CQtFrameWindow::~CQtFrameWindow() = default;

void CQtFrameWindow::SetTitle(const std::string& title)
{
    setWindowTitle(QString::fromStdString(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void CQtFrameWindow::SetView(QWidget* pView)
{
    if (m_bClientEdge) {
        // A sunken edge around the client area.
        auto* pEdge = new QFrame(this);
        pEdge->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        auto* pLayout = new QVBoxLayout(pEdge);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->addWidget(pView);
        setCentralWidget(pEdge);
    } else {
        setCentralWidget(pView);
    }
    // The window system places the window; its size shows the whole view.
    const QSize client = centralWidget()->sizeHint();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void CQtFrameWindow::RebuildMenu()
{
    if (m_pMenuBar && Owner() != nullptr)
        m_pMenuBar->Rebuild();
}

void CQtFrameWindow::closeEvent(QCloseEvent* event)
{
    // The framework decides: it destroys this window when the frame may close.
    event->ignore();
    if (CWnd* pFrame = Owner())
        CallFramework([&] { pFrame->OnClose(); });
}
