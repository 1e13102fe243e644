#include "framework/DataExchange.h"

#include "framework/Dialog.h"

void DDX_Check(CDataExchange* pDX, int id, int& value) {
  const CWnd box = pDX->m_pDlgWnd->GetDlgItem(id);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int>(box.SendMessage(BM_GETCHECK));
    return;
  }
  if (value < 0 || value > 2) value = 0;
  box.SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.GetSafeHwnd() == nullptr) control.Attach(pDX->m_pDlgWnd->GetDlgItem(id).m_hWnd);
}
