/* Resource numbers of the settings dialog's markers, 24-bit bitmaps (BITMAP), shared by their
   resource script and the dialog. Corvessa.scr's other resources are numbered beside their
   owners (frontend/core/frontend_resources.h, frontend/controls/command_pictures.h). */
#pragma once

/* 12 x 12 */
#define IDB_MARKER_OFF 111
#define IDB_MARKER_ON 112
/* The same drawn at 15, 18 and 24 pixels for larger display scalings */
#define IDB_MARKER_OFF_15 113
#define IDB_MARKER_ON_15 114
#define IDB_MARKER_OFF_18 115
#define IDB_MARKER_ON_18 116
#define IDB_MARKER_OFF_24 117
#define IDB_MARKER_ON_24 118
