// The two control classes that data exchange binds: a push button, which needs nothing
// beyond a window, and the trackbar with the messages the buffer level slider uses.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Wnd.h"

class CButton : public CWnd {};

class CSliderCtrl : public CWnd {
 public:
  // Minimum first, then maximum, each redrawn, as the trackbar expects a range change.
  void SetRange(int minimum, int maximum, bool redraw) const {
    SendMessage(TBM_SETRANGEMIN, redraw, minimum);
    SendMessage(TBM_SETRANGEMAX, redraw, maximum);
  }
  void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
  int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
  void ClearTics(bool redraw) const { SendMessage(TBM_CLEARTICS, redraw); }
  bool SetTic(int position) const { return SendMessage(TBM_SETTIC, 0, position) != FALSE; }
  int GetTicPos(int index) const { return static_cast<int>(SendMessage(TBM_GETTICPOS, index)); }
};
