// Resource ids of the program. Every dialog template is an empty shell: the
// skin places all controls at run time.
#pragma once

#define IDD_MAIN 102
#define IDD_WARNING 142
#define IDD_TIP 143
#define IDD_SELECT_ENTRY 153
#define IDD_MACRO_EDITOR 191
#define IDD_COLOR_PICKER 221
#define IDD_PREFERENCES 223
#define IDD_INPLACE_EDIT 1010

#define IDI_PROGRAM 220
#define IDB_SCROLLBAR_SKIN 215
#define IDB_SUBMENU_ARROW 216
#define IDC_PICK_COLOUR 225

#define ID_HELP 57670
