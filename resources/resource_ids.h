#pragma once
// Resource numbers of the executable. The icon comes first, so the system shows it for the file.
#define Res_Icon 1
#define Res_Preview_Jpeg 101
