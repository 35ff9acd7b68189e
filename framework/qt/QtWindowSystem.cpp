#include "QtWindowSystem.h"

#include "Dialog.h"
#include "QtFileDialog.h"
#include "QtFrameWindow.h"
#include "QtMessageBox.h"
#include "QtModalDialog.h"
#include "QtSessionWatcher.h"
#include "QtViewWidget.h"
#include "WinConstants.h"
#include "WindowHandle.h"

#include <QApplication>
#include <QCursor>

#include <clocale>

namespace {

QWidget* TopLevelOf(HWND hWnd)
{
    return hWnd != nullptr ? hWnd->Widget()->window() : nullptr;
}

// When a dialog ends, its owner takes the keys again.
void GiveBackActivation(QWidget* pOwner)
{
    if (pOwner != nullptr && pOwner->isVisible())
        pOwner->activateWindow();
}

}  // namespace

CQtWindowSystem::CQtWindowSystem(int& argc, char** argv)
{
    if (QApplication::instance() == nullptr)
        m_pApplication = std::make_unique<QApplication>(argc, argv);
    // Qt takes the user's locale for everything; numbers are formatted the C way here, so
    // that a label reads "100.0" in every language.
    std::setlocale(LC_NUMERIC, "C");
    // Closing the last window is not the end of the run: the framework says when it ends.
    QApplication::setQuitOnLastWindowClosed(false);
}

CQtWindowSystem::~CQtWindowSystem()
{
    m_pSessionWatcher.reset();
    for (const QPointer<QWidget>& pWindow : m_windows)
        delete pWindow.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* CQtWindowSystem::WidgetOf(HWND hWnd)
{
    return hWnd != nullptr ? hWnd->Widget() : nullptr;
}

HWND CQtWindowSystem::CreateFrameWindow(CWnd* pOwner, const FrameParams& params)
{
    auto* pFrame = new CQtFrameWindow(pOwner, params);
    m_windows.append(pFrame);
    return pFrame;
}

HWND CQtWindowSystem::CreateViewWindow(CWnd* pOwner, HWND hParent)
{
    auto* pFrame = dynamic_cast<CQtFrameWindow*>(hParent);
    if (pFrame == nullptr)
        return nullptr;
    auto* pView = new CQtViewWidget(pOwner, pFrame);
    pFrame->SetView(pView);
    return pView;
}

void CQtWindowSystem::DestroyWindow(HWND hWnd)
{
    if (hWnd == nullptr)
        return;
    hWnd->Detach();
    if (auto* pDialog = dynamic_cast<CQtModalDialog*>(hWnd)) {
        pDialog->End(IDCANCEL);  // the dialog belongs to its modal run, which ends now
        return;
    }
    QWidget* pWidget = hWnd->Widget();
    pWidget->hide();
    // Later, since the window may be the one whose event is being handled now.
    pWidget->deleteLater();
}

void CQtWindowSystem::SetWindowText(HWND hWnd, const std::string& text)
{
    if (auto* pFrame = dynamic_cast<CQtFrameWindow*>(hWnd))
        pFrame->SetTitle(text);
    else if (hWnd != nullptr)
        hWnd->Widget()->setWindowTitle(QString::fromStdString(text));
}

void CQtWindowSystem::ShowWindow(HWND hWnd, int nCmdShow)
{
    if (hWnd == nullptr)
        return;
    QWidget* pWidget = hWnd->Widget();
    switch (nCmdShow) {
    case SW_HIDE:
        pWidget->hide();
        break;
    case SW_SHOWMINIMIZED:
        pWidget->showMinimized();
        break;
    case SW_SHOWMAXIMIZED:
        pWidget->showMaximized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        pWidget->showNormal();
        break;
    default:
        pWidget->show();
        break;
    }
}

bool CQtWindowSystem::IsWindowVisible(HWND hWnd) const
{
    return hWnd != nullptr && hWnd->Widget()->isVisible();
}

void CQtWindowSystem::UpdateWindow(HWND hWnd)
{
    if (hWnd != nullptr && hWnd->Widget()->isVisible())
        hWnd->Widget()->repaint();
}

void CQtWindowSystem::InvalidateWindow(HWND hWnd)
{
    if (hWnd != nullptr)
        hWnd->Widget()->update();
}

void CQtWindowSystem::BringWindowToTop(HWND hWnd)
{
    if (QWidget* pWindow = TopLevelOf(hWnd)) {
        pWindow->raise();
        pWindow->activateWindow();
    }
}

void CQtWindowSystem::EnableWindow(HWND hWnd, bool bEnable)
{
    if (hWnd != nullptr)
        hWnd->Widget()->setEnabled(bEnable);
}

void CQtWindowSystem::MenuChanged(HWND hFrame)
{
    if (auto* pFrame = dynamic_cast<CQtFrameWindow*>(hFrame))
        pFrame->RebuildMenu();
}

int CQtWindowSystem::RunModalDialog(CDialog* pDialog, const DialogTemplate& dialogTemplate, HWND hOwner)
{
    // Qt's modality keeps the owner from taking input while the dialog runs; it still paints.
    QWidget* pOwner = TopLevelOf(hOwner);
    CQtModalDialog dialog(pDialog, dialogTemplate, pOwner);
    pDialog->OnDialogCreated(&dialog);
    const int nResult = dialog.Run();
    dialog.Detach();
    GiveBackActivation(pOwner);
    return nResult;
}

void CQtWindowSystem::EndModalDialog(HWND hDialog, int nResult)
{
    if (auto* pDialog = dynamic_cast<CQtModalDialog*>(hDialog))
        pDialog->End(nResult);
}

bool CQtWindowSystem::DoFileDialog(HWND hOwner, const FileDialogParams& params, std::string& path)
{
    QWidget* pOwner = TopLevelOf(hOwner);
    const bool bChosen = RunFileDialog(pOwner, params, path);
    GiveBackActivation(pOwner);
    return bChosen;
}

int CQtWindowSystem::MessageBox(HWND hOwner, const std::string& text, const std::string& caption, unsigned nType)
{
    QWidget* pOwner = TopLevelOf(hOwner);
    const int nAnswer = RunMessageBox(pOwner, text, caption, nType);
    GiveBackActivation(pOwner);
    return nAnswer;
}

void CQtWindowSystem::BeginWaitCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void CQtWindowSystem::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

int CQtWindowSystem::RunEventLoop()
{
    // A quit asked for before the loop runs (the session ended during start-up) ends it at once.
    if (!m_bQuitAsked)
        m_nExitCode = QApplication::exec();
    m_bQuitAsked = false;
    return m_nExitCode;
}

void CQtWindowSystem::Quit(int nExitCode)
{
    m_bQuitAsked = true;
    m_nExitCode = nExitCode;
    QCoreApplication::exit(nExitCode);
}

void CQtWindowSystem::WatchSessionEnd(std::function<void()> onEnd)
{
    m_pSessionWatcher.reset();  // the old watcher puts the signals back before the new one takes them
    m_pSessionWatcher = std::make_unique<CQtSessionWatcher>(std::move(onEnd));
}
