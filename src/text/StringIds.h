// String table ids, shared by the code and the resource scripts (plain #defines, which
// windres can read). Ids that the table leaves empty have no name here.
#pragma once

#define IDS_STR_TITLE 33088
#define IDS_STR_NO_DEV 33089
#define IDS_CONF_WAVE 33090
#define IDS_CONF_MIDI 33091
#define IDS_CONF_MIDI_CABLE 33092
#define IDS_PROP_VER 33093
#define IDS_PROP_COPYR 33094
#define IDS_README_NAME 33095
#define IDS_MSG_NODEV 33100
#define IDS_GRP_BUF_SIZE 33101
#define IDS_ABB_MIN 33102
#define IDS_ABB_MAX 33103
#define IDS_GRP_DIGITAL_OUT 33104
#define IDS_BN_AC3 33105
#define IDS_GRP_AUDIO_PORT 33106
#define IDS_BN_USE_2CH 33107
#define IDS_GRP_ASIO 33108
#define IDS_BN_ASIO_SMALLER 33109
#define IDS_BN_ASIO_MON 33110
#define IDS_STATIC_STEINBERG 33111
#define IDS_GRP_MIDI_IN_TYPE 33112
#define IDS_BN_MIDI_IN_TYPE 33113
#define IDS_OK 33114
#define IDS_CANCEL 33115
#define IDS_APPLY 33116
#define IDS_README 33117
#define IDS_ASIOBUFLV1 33120
#define IDS_ASIOBUFLV2 33121
#define IDS_ASIOBUFLV3 33122
#define IDS_ASIOBUFLV4 33123
#define IDS_STATIC_REALTIME 33124
#define IDS_STATIC_STABILITY 33125
#define IDS_ASIO_BUF_FMT 33127
#define IDS_GRP_PERFORMANCE 33128
#define IDS_BN_HIGH_REALTIME 33129
#define IDS_BN_MULTI_WDM 33130
#define IDS_MSG_FS_MISMATCH 33131
#define IDS_MSG_USB_MISMATCH 33132
#define IDS_MSG_VER_MISMATCH 33133

// The application title of the framework layer: one space in every language, so that
// message boxes carry no program name and the instance mutex name is the same everywhere.
#define AFX_IDS_APP_TITLE 57344
