#include "CmdTarget.h"

#include "CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{CmdMsg::Command, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI)
{
    return DispatchOwnMap(nID, nCode, pCmdUI);
}

bool CCmdTarget::DispatchOwnMap(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI)
{
    // Asking for a handler finds command entries; nothing is called.
    const CmdMsg wanted = nCode == CmdMsg::QueryHandler ? CmdMsg::Command : nCode;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn != nullptr; ++entry) {
            if (entry->nCode != wanted || nID < entry->nID || nID > entry->nLastID)
                continue;
            if (nCode == CmdMsg::QueryHandler)
                return true;
            if (entry->pfn(this, nID, pCmdUI) || nCode == CmdMsg::UpdateUI)
                return true;
        }
    }
    return false;
}
