/* Resource numbers of the Command button's six state pictures, 64 x 25 24-bit bitmaps (BITMAP),
   shared by their resource script and the control. Corvessa.scr's other resources are numbered
   beside their owners (frontend/core/frontend_resources.h, frontend/settings/marker_pictures.h). */
#pragma once

#define IDB_COMMAND_HIGHLIGHT 201
#define IDB_COMMAND_PRESSED 202
#define IDB_COMMAND_NORMAL 203
#define IDB_COMMAND_DISABLE 204
#define IDB_COMMAND_HIGHLIGHTSELECT 205
#define IDB_COMMAND_SELECTED 206
