// Data exchange between a dialog's controls and its members, in the direction that
// UpdateData asks for.
#pragma once

#include "framework/Wnd.h"

class CDialog;

struct CDataExchange {
  CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
};

// A checkbox's state: 0 unchecked, 1 checked, 2 indeterminate. A value outside 0..2 is
// reset to 0 before it reaches the box, so the member and the box agree afterwards.
void DDX_Check(CDataExchange* pDX, int id, int& value);

// Binds a control member to the dialog's child window on the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
