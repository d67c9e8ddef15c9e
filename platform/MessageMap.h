#pragma once

// Message tables. A window class lists the messages it handles between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; each entry holds a small function
// that unpacks the message and calls the member handler with its proper
// types. A lookup walks from the object's own table through its base
// classes' tables; a message no table lists gets the default handling.

#include "platform/WinTypes.h"

class CWnd;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, or WM_COMMAND for control notifications
    UINT nCode;    // notification code (WM_COMMAND only)
    int nID;       // control id (WM_COMMAND only)
    LRESULT (*pfnThunk)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries; // ends with an entry whose pfnThunk is null
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {0, 0, 0, nullptr}                                                                             \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};              \
    return &messageMap;                                                                            \
    }

#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {                                   \
         static_cast<ThisClass*>(pWnd)->OnPaint();                                                 \
         return 0;                                                                                 \
     }},

#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN, 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT {               \
         static_cast<ThisClass*>(pWnd)->OnLButtonDown(static_cast<UINT>(wParam),                   \
                                                      PointFromLParam(lParam));                    \
         return 0;                                                                                 \
     }},

#define ON_WM_RBUTTONDOWN()                                                                        \
    {WM_RBUTTONDOWN, 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT {               \
         static_cast<ThisClass*>(pWnd)->OnRButtonDown(static_cast<UINT>(wParam),                   \
                                                      PointFromLParam(lParam));                    \
         return 0;                                                                                 \
     }},

// A command (a button press) from the control with the given id.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, BN_CLICKED, (id), [](CWnd* pWnd, WPARAM, LPARAM) -> LRESULT {                     \
         static_cast<ThisClass*>(pWnd)->memberFxn();                                               \
         return 0;                                                                                 \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND(id, memberFxn)
