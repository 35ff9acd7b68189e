#pragma once

#include "Object.h"

class CCmdUI;
class CCmdTarget;

// What a command target is asked: to carry a command out, to set the state of its menu item,
// or only whether it has a handler for it (nothing runs).
enum class CmdMsg { Command, UpdateUI, QueryHandler };

// One row of a message map. A command entry's handler returns false to let the command go on
// to the next target; an update entry's handler sets the state through the CCmdUI.
struct AFX_MSGMAP_ENTRY {
    CmdMsg nCode;             // Command or UpdateUI; the last row has a null handler
    unsigned nID;
    unsigned nLastID;
    bool (*pfn)(CCmdTarget* pTarget, unsigned nID, CCmdUI* pCmdUI);
};

// A class's own entries and the way to its base class's map.
struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// An object that commands can be routed to. Its message map is searched from the class
// itself up through its bases.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // True when a handler here (or further along this target's route) took the message.
    virtual bool OnCmdMsg(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI);
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    // Searches this object's own map chain only.
    bool DispatchOwnMap(unsigned nID, CmdMsg nCode, CCmdUI* pCmdUI);
};

#define DECLARE_MESSAGE_MAP()                           \
protected:                                              \
    static const AFX_MSGMAP* GetThisMessageMap();       \
                                                        \
public:                                                 \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                  \
    {CmdMsg::Command, 0, 0, nullptr}};                                                      \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &messageMap;                                                                \
    }

// A command handler without arguments.
#define ON_COMMAND(id, memberFxn)                                                        \
    {CmdMsg::Command, id, id, [](CCmdTarget* pTarget, unsigned, CCmdUI*) {               \
         static_cast<ThisClass*>(pTarget)->memberFxn();                                   \
         return true;                                                                    \
     }},

// A command handler that takes the id and says whether it handled it.
#define ON_COMMAND_EX(id, memberFxn)                                                     \
    {CmdMsg::Command, id, id, [](CCmdTarget* pTarget, unsigned nID, CCmdUI*) {           \
         return static_cast<bool>(static_cast<ThisClass*>(pTarget)->memberFxn(nID));      \
     }},

#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                       \
    {CmdMsg::Command, id, idLast, [](CCmdTarget* pTarget, unsigned nID, CCmdUI*) {       \
         return static_cast<bool>(static_cast<ThisClass*>(pTarget)->memberFxn(nID));      \
     }},

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                              \
    {CmdMsg::UpdateUI, id, id, [](CCmdTarget* pTarget, unsigned, CCmdUI* pCmdUI) {       \
         static_cast<ThisClass*>(pTarget)->memberFxn(pCmdUI);                             \
         return true;                                                                    \
     }},
