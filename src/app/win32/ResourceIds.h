#pragma once

// The identifiers of kuittikopio.exe's resources, shared by the resource script and the code.
#define KUITTI_ICON_RESOURCE 1
