// Resource identifiers shared by the .rc file and the code.
#pragma once

#define IDI_CUBE 1
#define IDI_EXIT 2
#define IDR_MINIMIZE_JPG 10
#define IDR_CONFIGURE_JPG 11
#define IDD_PROMPT 100
#define IDC_PROMPT_TEXT 101
#define IDC_PROMPT_EDIT 102
