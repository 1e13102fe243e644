// Who makes the panel and which build it is: the texts that the version resource, the
// copyright placeholder of the main dialog and every language's copyright string share.
// The maker is the one the driver's installer names; the copyright line stays short
// enough for the one-line label under the version.
#pragma once

#define DRVPROP_COMPANY "Quendrel Audio Systems Ltd."
#define DRVPROP_COPYRIGHT "Copyright (C) 2026 Quendrel Audio Systems Ltd."
#define DRVPROP_PRODUCT "Talvex Driver"
#define DRVPROP_DESCRIPTION "Talvex Driver Settings"
#define DRVPROP_VERSION_BINARY 1, 0, 0, 0
#define DRVPROP_VERSION_TEXT "1.0.0.0"
