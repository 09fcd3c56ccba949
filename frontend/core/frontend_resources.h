/* Resource numbers of Corvessa.scr itself, shared by the resource scripts and the code. The
   pictures of the Command button and of the settings dialog are numbered beside their owners
   (frontend/controls/command_pictures.h, frontend/settings/marker_pictures.h): bitmaps 201 to
   206 and 111 to 118. */
#pragma once

#define IDI_CORVESSA 1           /* the program's window icon */
#define IDS_SAVER_NAME 1         /* string: the saver's name in the system's settings */
#define IDR_PREVIEW_PICTURE 101  /* preview picture, 152 x 112 JPEG, RCDATA */
