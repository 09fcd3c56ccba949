/* Resource numbers of Corvessa.scr, shared by the resource scripts and the code. */
#pragma once

#define IDI_CORVESSA 1           /* the program's window icon */
#define IDS_SAVER_NAME 1         /* string: the saver's name in the system's settings */
#define IDR_PREVIEW_PICTURE 101  /* preview picture, 152 x 112 JPEG, RCDATA */

/* The Command button's state pictures, 64 x 25 24-bit bitmaps (BITMAP) */
#define IDB_COMMAND_HIGHLIGHT 201
#define IDB_COMMAND_PRESSED 202
#define IDB_COMMAND_NORMAL 203
#define IDB_COMMAND_DISABLE 204
#define IDB_COMMAND_HIGHLIGHTSELECT 205
#define IDB_COMMAND_SELECTED 206

/* The settings dialog's markers, 12 x 12 24-bit bitmaps (BITMAP) */
#define IDB_MARKER_OFF 111
#define IDB_MARKER_ON 112
/* The same drawn at 15, 18 and 24 pixels for larger display scalings */
#define IDB_MARKER_OFF_15 113
#define IDB_MARKER_ON_15 114
#define IDB_MARKER_OFF_18 115
#define IDB_MARKER_ON_18 116
#define IDB_MARKER_OFF_24 117
#define IDB_MARKER_ON_24 118
