#pragma once
// Resource numbers of the executable. The icon comes first, so the system shows it for the file.
#define Res_Icon 1
#define Res_Preview_Jpeg 101
#define Res_Hand_Cursor 102
// The settings dialog's artwork.
#define Res_Texture 110
#define Res_Button_Face 111
#define Res_Heading_Plate 112
#define Res_Radio_Empty 113
#define Res_Radio_Dot 114
#define Res_Check_Empty 115
#define Res_Check_Filled 116
// The same artwork at twice its size: its number plus Res_Twice.
#define Res_Twice 100
