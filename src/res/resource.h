// Resource ids of the dialogs, controls and icon, shared by the code and the resource
// scripts (plain #defines, which windres can read).
#pragma once

#include "text/StringIds.h"

#define IDD_DRVPROP_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_DRVPROP_NODEV 136

#define IDC_BN_MIDI_IN_TYPE 1000
#define IDC_BN_ASIO_MON 1003
#define IDC_SLIDER_BUF_SIZE 1013
#define IDC_BN_AC3 1014
#define IDC_BN_ASIO_SMALLER 1028
#define IDC_STATIC_COPYR 1032
#define IDC_STATIC_VER 1033
#define IDC_STATIC_STEINBERG 1034
#define IDC_BN_README 1035
#define IDC_BN_MULTI_WDM 1036
#define IDC_GRP_ASIO 1037
#define IDC_GRP_BUF_SIZE 1038
#define IDC_GRP_AUDIO_PORT 1039
#define IDC_GRP_DIGITAL_OUT 1040
#define IDC_GRP_MIDI_IN_TYPE 1041
#define IDC_ABB_MAX 1042
#define IDC_STATIC_NODEV_MSG 1043
#define IDC_BN_APPLY 1044
#define IDC_ABB_MIN 1045
#define IDC_STATIC_ASIO_BUF 1046
#define IDC_TICK_1 1050
#define IDC_TICK_2 1051
#define IDC_TICK_3 1052
#define IDC_TICK_4 1053
#define IDC_TICK_5 1054
#define IDC_TICK_6 1055
#define IDC_TICK_7 1056
#define IDC_TICK_8 1057
#define IDC_TICK_9 1058
#define IDC_TICK_10 1059
#define IDC_TICK_11 1060
#define IDC_TICK_MARK 1061
#define IDC_GRP_PERFORMANCE 1062
#define IDC_STATIC_REALTIME 1063
#define IDC_STATIC_STABILITY 1064
#define IDC_METER_REALTIME 1101
#define IDC_METER_STABILITY 1102

#define ID_HELP 57670
