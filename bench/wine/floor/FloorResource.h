// Resource ids of the floor dialog; the caption is what the launch benchmark waits for.
#pragma once

#define IDD_FLOOR 100
#define FLOOR_CAPTION "DrvProp launch floor"
