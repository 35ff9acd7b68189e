#include "QtAccelerators.h"

#include "ResourceTypes.h"
#include "WinConstants.h"

#include <QList>
#include <QShortcut>
#include <QWidget>

namespace {

constexpr std::uint16_t kVkSpace = 0x20;
constexpr std::uint16_t kVkPrior = 0x21;
constexpr std::uint16_t kVkNext = 0x22;
constexpr std::uint16_t kVkEnd = 0x23;
constexpr std::uint16_t kVkHome = 0x24;
constexpr std::uint16_t kVkLeft = 0x25;
constexpr std::uint16_t kVkUp = 0x26;
constexpr std::uint16_t kVkRight = 0x27;
constexpr std::uint16_t kVkDown = 0x28;
constexpr std::uint16_t kVkF24 = 0x87;

int QtKeyFor(std::uint16_t vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;  // Qt names these keys by the same codes
    if (vk >= VK_F1 && vk <= kVkF24)
        return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case kVkSpace: return Qt::Key_Space;
    case kVkPrior: return Qt::Key_PageUp;
    case kVkNext: return Qt::Key_PageDown;
    case kVkEnd: return Qt::Key_End;
    case kVkHome: return Qt::Key_Home;
    case kVkLeft: return Qt::Key_Left;
    case kVkUp: return Qt::Key_Up;
    case kVkRight: return Qt::Key_Right;
    case kVkDown: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    default: return 0;
    }
}

}  // namespace

QKeySequence KeySequenceFor(const AccelEntry& entry)
{
    if ((entry.flags & FVIRTKEY) == 0)
        return QKeySequence(QString(QChar(entry.key)));
    const int key = QtKeyFor(entry.key);
    if (key == 0)
        return {};
    Qt::KeyboardModifiers modifiers;
    if ((entry.flags & FSHIFT) != 0)
        modifiers |= Qt::ShiftModifier;
    if ((entry.flags & FCONTROL) != 0)
        modifiers |= Qt::ControlModifier;
    if ((entry.flags & FALT) != 0)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

void InstallAccelerators(QWidget& window, const AcceleratorTable& table,
                         const std::function<void(unsigned)>& onCommand)
{
    QList<QKeySequence> taken;
    for (const AccelEntry& entry : table.entries) {
        const QKeySequence keys = KeySequenceFor(entry);
        if (keys.isEmpty() || taken.contains(keys))
            continue;
        taken.append(keys);
        auto* pShortcut = new QShortcut(keys, &window);
        pShortcut->setContext(Qt::WindowShortcut);
        pShortcut->setAutoRepeat(true);
        const unsigned nCommand = entry.command;
        QObject::connect(pShortcut, &QShortcut::activated, &window, [onCommand, nCommand] { onCommand(nCommand); });
    }
}
