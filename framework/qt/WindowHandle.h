#pragma once

class CWnd;
class QWidget;

// What a window handle is on Qt: the widget that shows a framework window, and the framework
// object it calls back. The owner is let go when the framework destroys the window, so that
// late events reach nothing.
struct WindowHandle {
    explicit WindowHandle(CWnd* pOwner) : m_pOwner(pOwner) {}
    virtual ~WindowHandle() = default;
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;

    virtual QWidget* Widget() = 0;
    CWnd* Owner() const { return m_pOwner; }
    void Detach() { m_pOwner = nullptr; }

private:
    CWnd* m_pOwner;
};

// Runs a call into the framework from a Qt event handler. Nothing may unwind through Qt:
// commands report their own errors, and an error while a window closes, paints or opens a
// menu is dropped, as it would be there.
template <class Call>
void CallFramework(Call&& call) noexcept
{
    try {
        call();
    } catch (...) {
    }
}
